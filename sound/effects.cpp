#include "effects.h"
#include "loudness.h"
#include "tunes.h"
#include "wave_clip.h"

#include <algorithm>

namespace kp::sound {

namespace {

constexpr Tone LandingTones[] = {{150, 40}};
constexpr Tone RemovalTones[] = {{150, 100}, {250, 50}, {150, 100}};
constexpr Tone LevelWonTones[] = {{450, 100}, {550, 50}, {450, 100}};

constexpr const char* ClipNames[] = {"Pose", "Suppr", "Niveau", "Record"};
// Each clip's loudness on both loudspeakers, in LUFS (wholeLoudness at 44.1 kHz), measured once
// here rather than at every start. Effects.everyClipSoundsAtTheEffectsLoudness fails when a
// clip no longer matches its figure.
constexpr double ClipLoudness[] = {-14.061, -13.328, -14.320, -12.745};

size_t indexOf(Sound s) {
    return size_t(s);
}

} // namespace

float levelGain(int level) {
    return float(std::clamp(level, 0, 2) + 1) / 3.0f;
}

std::span<const Tone> speakerTones(Sound sound) {
    switch (sound) {
    case Sound::Landing:
        return LandingTones;
    case Sound::Removal:
        return RemovalTones;
    case Sound::LevelWon:
    case Sound::HighScore:
        return LevelWonTones;
    }
    return {};
}

void SoundEffects::load() {
    if (loaded_) return;
    loaded_ = true;
    for (size_t i = 0; i < clips_.size(); ++i) {
        const QByteArray bytes = clipResource(QString::fromLatin1(ClipNames[i]));
        const auto* data = reinterpret_cast<const std::byte*>(bytes.constData());
        Clip clip = decodeWave({data, size_t(bytes.size())}, mixer_.sampleRate());
        clip.gain = gainTo(EffectsLoudness, ClipLoudness[i]);
        clips_[i] = std::make_shared<const Clip>(std::move(clip));
    }
}

void SoundEffects::setOutput(int output) {
    output_ = output >= 0 && output <= 2 ? output : 0;
}

void SoundEffects::setEffectsVolume(int level) {
    mixer_.setEffectGain(levelGain(level));
}

void SoundEffects::hush(bool hushed) {
    hushed_ = hushed;
    if (hushed) mixer_.stopEffects();
}

void SoundEffects::play(Sound sound, int voice, float pan) {
    if (hushed_) return;
    if (output_ == 1) {
        load();
        const auto& clip = clips_[indexOf(sound)];
        if (clip && !clip->empty()) mixer_.playClip(clip, voice, pan);
    } else if (output_ == 2) {
        mixer_.playTones(speakerTones(sound));
    }
}

bool SoundEffects::clipsLoaded() {
    load();
    return std::all_of(clips_.begin(), clips_.end(), [](const auto& c) { return !c->empty(); });
}

} // namespace kp::sound
