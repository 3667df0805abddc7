#include "mixer.h"

#include <algorithm>
#include <cmath>

namespace kp::sound {

Mixer::Mixer(int sampleRate) : rate_(sampleRate) {}

void Mixer::playClip(std::shared_ptr<const Clip> clip) {
    {
        std::lock_guard lock(mutex_);
        clip_ = std::move(clip);
        clipPos_ = 0;
    }
    wake();
}

void Mixer::stopEffects() {
    std::lock_guard lock(mutex_);
    clip_.reset();
    clipPos_ = 0;
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
    const bool clip = clip_ && clipPos_ < clip_->size();
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
    return clip_ && clipPos_ < clip_->size();
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
    if (clip_) {
        const size_t n =
            std::min(size_t(frames), clip_->size() - std::min(clipPos_, clip_->size()));
        for (size_t i = 0; i < n; ++i) {
            const float v = (*clip_)[clipPos_ + i] * effectGain_;
            out[2 * i] += v;
            out[2 * i + 1] += v;
        }
        clipPos_ += n;
        if (clipPos_ >= clip_->size()) clip_.reset();
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
