#include "sound_system.h"

namespace kp::sound {

SoundSystem::SoundSystem() : SoundSystem(Options{}) {}

SoundSystem::SoundSystem(Options o)
    : systemBanks_(o.soundFonts),
      player_(std::make_shared<MusicPlayer>(mixer_.sampleRate(), o.soundFonts)), effects_(mixer_),
      music_(player_) {
    mixer_.setMusic(player_.get());
    effects_.setEffectsVolume(2);
    setMusicVolume(0);
    useDevice_ = o.useDevice;
    if (o.outputAtStart) startOutput();
}

void SoundSystem::startOutput() {
    if (output_) return;
    if (useDevice_)
        output_ = std::make_unique<DeviceOutput>(mixer_);
    else
        output_ = std::make_unique<SilentOutput>(mixer_);
}

SoundSystem::~SoundSystem() {
    // The output stops pulling before the music it pulls from goes.
    output_.reset();
    music_.release();
    mixer_.setMusic(nullptr);
}

void SoundSystem::setMusicVolume(int level) {
    mixer_.setMusicGain(levelGain(level));
}

void SoundSystem::setPreferredBank(const std::string& soundFont) {
    std::vector<std::string> banks = systemBanks_;
    if (!soundFont.empty()) banks.insert(banks.begin(), soundFont);
    player_->setSoundFonts(std::move(banks));
}

} // namespace kp::sound
