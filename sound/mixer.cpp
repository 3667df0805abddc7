#include "mixer.h"

#include <algorithm>
#include <cmath>

namespace kp::sound {

Mixer::Mixer(int sampleRate) : rate_(sampleRate) {}

void Mixer::playClip(std::shared_ptr<const Clip> clip, int voice, float pan) {
    pan = std::clamp(pan, -1.0f, 1.0f);
    {
        std::lock_guard lock(mutex_);
        Voice& v = voices_[static_cast<size_t>(std::clamp(voice, 0, Voices - 1))];
        v.clip = std::move(clip);
        v.pos = 0;
        // Centred, both sides at full gain (as a single board always sounded); towards one
        // side, the other side fades.
        v.left = std::min(1.0f, 1.0f - pan);
        v.right = std::min(1.0f, 1.0f + pan);
    }
    wake();
}

void Mixer::stopEffects() {
    std::lock_guard lock(mutex_);
    voices_ = {};
    tones_.clear();
    tonePos_ = 0;
}

void Mixer::playTones(std::span<const Tone> tones) {
    {
        std::lock_guard lock(mutex_);
        int64_t pending = -tonePos_;
        for (const auto& t : tones_) pending += t.frames;
        if (pending > 2 * int64_t(rate_)) return;
        for (const Tone& t : tones) {
            const int64_t frames = int64_t(t.durationMs) * rate_ / 1000;
            if (frames > 0) tones_.push_back({frames, double(t.frequency) / rate_});
        }
    }
    wake();
}

void Mixer::setWake(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

// Called without the lock held: the output it wakes may pull at once.
void Mixer::wake() const {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex_);
        wake = wake_;
    }
    if (wake) wake();
}

bool Mixer::silent() const {
    std::lock_guard lock(mutex_);
    const bool clip =
        std::any_of(voices_.begin(), voices_.end(), [](const Voice& v) { return v.sounding(); });
    int64_t tones = -tonePos_;
    for (const auto& t : tones_) tones += t.frames;
    return !clip && tones <= 0 && !(music_ && music_->playing());
}

void Mixer::setEffectGain(float gain) {
    std::lock_guard lock(mutex_);
    effectGain_ = gain;
}

void Mixer::setMusicGain(float gain) {
    std::lock_guard lock(mutex_);
    musicGain_ = gain;
}

float Mixer::effectGain() const {
    std::lock_guard lock(mutex_);
    return effectGain_;
}

float Mixer::musicGain() const {
    std::lock_guard lock(mutex_);
    return musicGain_;
}

void Mixer::setMusic(MusicSource* music) {
    std::lock_guard lock(mutex_);
    if (music_) music_->started = nullptr;
    music_ = music;
    if (music_) music_->started = [this] { wake(); };
}

bool Mixer::effectSounding() const {
    std::lock_guard lock(mutex_);
    return std::any_of(voices_.begin(), voices_.end(), [](const Voice& v) { return v.sounding(); });
}

int64_t Mixer::toneFramesPending() const {
    std::lock_guard lock(mutex_);
    int64_t pending = -tonePos_;
    for (const auto& t : tones_) pending += t.frames;
    return std::max<int64_t>(0, pending);
}

void Mixer::renderFloat(float* out, int frames) {
    std::lock_guard lock(mutex_);
    std::fill(out, out + 2 * frames, 0.0f);
    if (music_) {
        left_.assign(size_t(frames), 0.0f);
        right_.assign(size_t(frames), 0.0f);
        music_->renderMusic(left_.data(), right_.data(), frames);
        for (int i = 0; i < frames; ++i) {
            out[2 * i] = left_[size_t(i)] * musicGain_;
            out[2 * i + 1] = right_[size_t(i)] * musicGain_;
        }
    }
    for (Voice& voice : voices_) {
        if (!voice.clip) continue;
        const Clip& clip = *voice.clip;
        const size_t n = std::min(size_t(frames), clip.size() - std::min(voice.pos, clip.size()));
        const float left = effectGain_ * voice.left, right = effectGain_ * voice.right;
        for (size_t i = 0; i < n; ++i) {
            const float v = clip[voice.pos + i];
            out[2 * i] += v * left;
            out[2 * i + 1] += v * right;
        }
        voice.pos += n;
        if (voice.pos >= clip.size()) voice.clip.reset();
    }
    // Tones follow one another without a gap, each with short ramps so none clicks.
    const int64_t ramp = rate_ / 500; // 2 ms
    for (int i = 0; i < frames && !tones_.empty(); ++i) {
        const ToneState& t = tones_.front();
        const int64_t edge = std::min(tonePos_, t.frames - 1 - tonePos_);
        const float envelope = edge < ramp ? float(edge) / float(ramp) : 1.0f;
        const float v = (tonePhase_ < 0.5 ? ToneLevel : -ToneLevel) * envelope;
        out[2 * i] += v;
        out[2 * i + 1] += v;
        tonePhase_ += t.phaseStep;
        tonePhase_ -= std::floor(tonePhase_);
        if (++tonePos_ >= t.frames) {
            tones_.pop_front();
            tonePos_ = 0;
        }
    }
}

void Mixer::render(int16_t* out, int frames) {
    // Small blocks keep the scratch buffer on the stack.
    constexpr int Block = 512;
    float block[2 * Block];
    for (int done = 0; done < frames;) {
        const int n = std::min(Block, frames - done);
        renderFloat(block, n);
        for (int i = 0; i < 2 * n; ++i) {
            const float s = std::clamp(block[i], -1.0f, 1.0f);
            out[2 * done + i] = int16_t(std::lrint(s * 32767.0f));
        }
        done += n;
    }
}

} // namespace kp::sound
