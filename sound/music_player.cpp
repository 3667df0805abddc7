#include "music_player.h"

#include <QFile>

#include <fluidsynth.h>

namespace kp::sound {

QByteArray standardMidi(const QByteArray& bytes) {
    if (bytes.startsWith("MThd")) return bytes;
    if (bytes.size() < 20 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "RMID") return {};
    // Walk the chunks after "RMID" to the "data" chunk that holds the file.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const auto* p = reinterpret_cast<const uint8_t*>(bytes.constData() + at + 4);
        const qsizetype size = qsizetype(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
        if (bytes.mid(at, 4) == "data") {
            const QByteArray smf = bytes.mid(at + 8, size);
            return smf.startsWith("MThd") ? smf : QByteArray();
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

MusicPlayer::MusicPlayer(int sampleRate, std::vector<std::string> soundFonts)
    : rate_(sampleRate), soundFonts_(std::move(soundFonts)) {}

MusicPlayer::~MusicPlayer() {
    std::lock_guard lock(mutex_);
    if (player_) delete_fluid_player(player_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

void MusicPlayer::setTune(const QByteArray& bytes) {
    std::lock_guard lock(mutex_);
    tune_ = bytes;
}

QByteArray MusicPlayer::tune() const {
    std::lock_guard lock(mutex_);
    return tune_;
}

void MusicPlayer::setEnabled(bool enabled) {
    std::lock_guard lock(mutex_);
    enabled_ = enabled;
}

bool MusicPlayer::enabled() const {
    std::lock_guard lock(mutex_);
    return enabled_;
}

MusicPlayer::Mode MusicPlayer::mode() const {
    std::lock_guard lock(mutex_);
    return mode_;
}

int MusicPlayer::position() const {
    std::lock_guard lock(mutex_);
    return player_ ? fluid_player_get_current_tick(player_) : 0;
}

std::string MusicPlayer::soundFontPath() const {
    std::lock_guard lock(mutex_);
    return loadedFont_;
}

bool MusicPlayer::ensureSynth() {
    if (synth_) return true;
    settings_ = new_fluid_settings();
    if (!settings_) return false;
    fluid_settings_setnum(settings_, "synth.sample-rate", rate_);
    // The tunes are balanced to peak a little under full scale at this gain; the game's
    // music volume is applied afterwards, in the mixer.
    fluid_settings_setnum(settings_, "synth.gain", 1.0);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    if (!synth_) return false;
    for (const auto& path : soundFonts_) {
        if (!QFile::exists(QString::fromStdString(path))) continue;
        if (fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED) {
            loadedFont_ = path;
            return true;
        }
    }
    delete_fluid_synth(synth_);
    synth_ = nullptr;
    delete_fluid_settings(settings_);
    settings_ = nullptr;
    return false;
}

bool MusicPlayer::startPlayer() {
    if (player_) delete_fluid_player(player_);
    silenceAll();
    player_ = new_fluid_player(synth_);
    if (!player_) return false;
    if (fluid_player_add_mem(player_, midi_.constData(), size_t(midi_.size())) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
        return false;
    }
    atEnd_ = false;
    return true;
}

void MusicPlayer::silenceAll() {
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

bool MusicPlayer::open() {
    std::lock_guard lock(mutex_);
    if (!enabled_ || mode_ != Mode::NotReady) return false;
    midi_ = standardMidi(tune_);
    if (midi_.isEmpty() || !ensureSynth() || !startPlayer()) {
        midi_.clear();
        return false;
    }
    mode_ = Mode::Stopped;
    return true;
}

bool MusicPlayer::play() {
    std::lock_guard lock(mutex_);
    if (!enabled_ || mode_ == Mode::NotReady) return false;
    if (mode_ == Mode::Playing) return true;
    if (atEnd_ && !startPlayer()) return false;
    if (fluid_player_play(player_) != FLUID_OK) return false;
    mode_ = Mode::Playing;
    return true;
}

bool MusicPlayer::stop() {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::NotReady) return false;
    if (mode_ == Mode::Playing) fluid_player_stop(player_);
    silenceAll();
    mode_ = Mode::Stopped;
    return true;
}

bool MusicPlayer::close() {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::NotReady) return false;
    delete_fluid_player(player_);
    player_ = nullptr;
    silenceAll();
    midi_.clear();
    mode_ = Mode::NotReady;
    return true;
}

bool MusicPlayer::pause() {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::Playing) {
        fluid_player_stop(player_);
        silenceAll();
        mode_ = Mode::Paused;
        return true;
    }
    if (mode_ == Mode::Paused) {
        if (fluid_player_play(player_) != FLUID_OK) return false;
        mode_ = Mode::Playing;
        return true;
    }
    return false;
}

void MusicPlayer::renderMusic(float* left, float* right, int frames) {
    std::lock_guard lock(mutex_);
    if (!synth_) return;
    // Rendered even when stopped, so the last notes release naturally.
    fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
    if (mode_ != Mode::Playing) return;
    // FluidSynth reports the end two seconds after the last event; the tick count tells it
    // at once, so a looping tune comes back sooner.
    const int total = fluid_player_get_total_ticks(player_);
    if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
        (total > 0 && fluid_player_get_current_tick(player_) >= total)) {
        fluid_player_stop(player_);
        mode_ = Mode::Stopped;
        atEnd_ = true;
    }
}

} // namespace kp::sound
