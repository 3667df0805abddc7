#include "music_player.h"
#include "loudness.h"
#include "tunes.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include "fluid_library.h"

#include <algorithm>
#include <thread>

#include <sys/stat.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace kp::sound {

std::vector<std::string> soundFontsIn(const std::vector<std::string>& folders) {
    std::vector<QFileInfo> banks;
    for (const auto& folder : folders) {
        const QDir dir(QString::fromStdString(folder));
        // By suffix rather than name filters, which would compile a regular expression each.
        for (const QFileInfo& f : dir.entryInfoList(QDir::Files)) {
            if (f.suffix().compare(QLatin1String("sf2"), Qt::CaseInsensitive) != 0 &&
                f.suffix().compare(QLatin1String("sf3"), Qt::CaseInsensitive) != 0)
                continue;
            const QString real = f.canonicalFilePath();
            if (std::none_of(banks.begin(), banks.end(),
                             [&](const QFileInfo& b) { return b.canonicalFilePath() == real; }))
                banks.push_back(f);
        }
    }
    std::stable_sort(banks.begin(), banks.end(),
                     [](const QFileInfo& a, const QFileInfo& b) { return a.size() > b.size(); });
    std::vector<std::string> paths;
    for (const QFileInfo& b : banks) paths.push_back(b.canonicalFilePath().toStdString());
    return paths;
}

std::vector<std::string> installedSoundFonts() {
    return soundFontsIn(
        {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3", "/usr/share/soundfonts"});
}

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
    releaseBank();
}

void MusicPlayer::setSoundFonts(std::vector<std::string> soundFonts) {
    std::lock_guard lock(mutex_);
    soundFonts_ = std::move(soundFonts);
}

void MusicPlayer::setLooping(bool looping) {
    std::lock_guard lock(mutex_);
    looping_ = looping;
    if (player_) fluid_->fluid_player_set_loop(player_, looping ? -1 : 0);
}

bool MusicPlayer::looping() const {
    std::lock_guard lock(mutex_);
    return looping_;
}

void MusicPlayer::releaseBank() {
    std::lock_guard lock(mutex_);
    if (player_) fluid_->delete_fluid_player(player_);
    player_ = nullptr;
    midi_.clear();
    mode_ = Mode::NotReady;
    if (synth_) fluid_->delete_fluid_synth(synth_);
    synth_ = nullptr;
    if (settings_) fluid_->delete_fluid_settings(settings_);
    settings_ = nullptr;
    loadedFont_.clear();
#ifdef __GLIBC__
    // The bank's samples were many blocks of the heap; without this most of it stays ours.
    malloc_trim(0);
#endif
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
    return mode_;
}

int MusicPlayer::position() const {
    std::lock_guard lock(mutex_);
    return player_ ? fluid_->fluid_player_get_current_tick(player_) : 0;
}

std::string MusicPlayer::soundFontPath() const {
    std::lock_guard lock(mutex_);
    return loadedFont_;
}

bool MusicPlayer::ensureSynth() {
    if (synth_) return true;
    fluid_ = FluidLibrary::get();
    if (!fluid_) return false; // no synthesiser on this system: no music
    settings_ = fluid_->new_fluid_settings();
    if (!settings_) return false;
    fluid_->fluid_settings_setnum(settings_, "synth.sample-rate", rate_);
    fluid_->fluid_settings_setnum(settings_, "synth.gain", 1.0);
    fluid_->fluid_settings_setstr(settings_, "player.timing-source", "sample");
    // A looping tune goes on from its end with its last notes still ringing.
    fluid_->fluid_settings_setint(settings_, "player.reset-synth", 0);
    // Only the samples of the instruments a tune chooses are read: a third of FluidR3's
    // memory, for a few milliseconds of reading at the start of a tune.
    fluid_->fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_->fluid_settings_setint(settings_, "synth.lock-memory", 0);
    synth_ = fluid_->new_fluid_synth(settings_);
    if (!synth_) return false;
    for (const auto& path : soundFonts_) {
        // Only a regular file: FluidSynth's loaders would wait for ever on a named pipe or a
        // device (its DLS loader opens one without asking), and the window waits on them.
        struct stat file {};
        if (::stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) continue;
        if (fluid_->fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED) {
            loadedFont_ = path;
            return true;
        }
    }
    fluid_->delete_fluid_synth(synth_);
    synth_ = nullptr;
    fluid_->delete_fluid_settings(settings_);
    settings_ = nullptr;
    return false;
}

bool MusicPlayer::startPlayer() {
    if (player_) fluid_->delete_fluid_player(player_);
    silenceAll();
    player_ = fluid_->new_fluid_player(synth_);
    if (!player_) return false;
    if (fluid_->fluid_player_add_mem(player_, midi_.constData(), size_t(midi_.size())) !=
        FLUID_OK) {
        fluid_->delete_fluid_player(player_);
        player_ = nullptr;
        return false;
    }
    fluid_->fluid_player_set_loop(player_, looping_ ? -1 : 0);
    atEnd_ = false;
    return true;
}

void MusicPlayer::silenceAll() {
    if (synth_) fluid_->fluid_synth_all_sounds_off(synth_, -1);
}

bool MusicPlayer::open() {
    // Set before the lock is taken and cleared after it is let go: whoever finds the lock held
    // by the opening knows it.
    opening_ = true;
    const auto opened = qScopeGuard([this] { opening_ = false; });
    std::lock_guard lock(mutex_);
    if (!enabled_ || mode_ != Mode::NotReady) return false;
    midi_ = standardMidi(tune_);
    if (midi_.isEmpty() || !ensureSynth() || !startPlayer()) {
        midi_.clear();
        return false;
    }
    balanceLocked();
    mode_ = Mode::Stopped;
    return true;
}

void MusicPlayer::balanceLocked() {
    const QString bank = bankIdentity(QString::fromStdString(loadedFont_));
    const QString tune = tuneIdentity(midi_);
    std::optional<double> lufs = tabledLoudness(bank, tune);
    if (!lufs) {
        // A bank or a tune not in the table: measured once, behind the loading window.
        const QString key = bank + ' ' + tune;
        const auto known = measured_.find(key);
        if (known != measured_.end())
            lufs = known->second;
        else if ((lufs = measureLocked()))
            measured_[key] = *lufs;
    }
    fluid_->fluid_synth_set_gain(synth_, lufs ? gainTo(MusicLoudness, *lufs) : 1.0f);
}

std::optional<double> MusicPlayer::measureTune() {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::NotReady) return std::nullopt;
    const float gain = fluid_->fluid_synth_get_gain(synth_);
    const auto lufs = measureLocked();
    fluid_->fluid_synth_set_gain(synth_, gain);
    return lufs;
}

std::optional<double> MusicPlayer::measureLocked() {
    fluid_player_t* p = fluid_->new_fluid_player(synth_);
    if (!p) return std::nullopt;
    std::optional<double> lufs;
    if (fluid_->fluid_player_add_mem(p, midi_.constData(), size_t(midi_.size())) == FLUID_OK &&
        fluid_->fluid_player_play(p) == FLUID_OK) {
        silenceAll();
        fluid_->fluid_synth_set_gain(synth_, 1.0f);
        LoudnessMeter meter(rate_);
        constexpr int Block = 4096;
        std::vector<float> left(Block), right(Block), both(2 * Block);
        // Ten minutes at most, whatever the file says.
        for (int64_t done = 0; done < int64_t(rate_) * 600; done += Block) {
            fluid_->fluid_synth_write_float(synth_, Block, left.data(), 0, 1, right.data(), 0, 1);
            for (int i = 0; i < Block; ++i) {
                both[size_t(2 * i)] = left[size_t(i)];
                both[size_t(2 * i + 1)] = right[size_t(i)];
            }
            meter.add(both.data(), Block);
            const int total = fluid_->fluid_player_get_total_ticks(p);
            if (fluid_->fluid_player_get_status(p) != FLUID_PLAYER_PLAYING ||
                (total > 0 && fluid_->fluid_player_get_current_tick(p) >= total))
                break;
        }
        lufs = meter.integrated();
    }
    fluid_->delete_fluid_player(p);
    // Nothing of the measure is heard or kept: the tune sets its instruments up again.
    fluid_->fluid_synth_system_reset(synth_);
    return lufs;
}

bool MusicPlayer::play() {
    {
        std::lock_guard lock(mutex_);
        if (!enabled_ || mode_ == Mode::NotReady) return false;
        if (mode_ == Mode::Playing) return true;
        if (atEnd_ && !startPlayer()) return false;
        if (fluid_->fluid_player_play(player_) != FLUID_OK) return false;
        mode_ = Mode::Playing;
    }
    if (started) started(); // outside the lock: the output it wakes pulls from here
    return true;
}

bool MusicPlayer::stop() {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::NotReady) return false;
    if (mode_ == Mode::Playing) fluid_->fluid_player_stop(player_);
    silenceAll();
    mode_ = Mode::Stopped;
    return true;
}

bool MusicPlayer::close() {
    std::lock_guard lock(mutex_);
    if (mode_ == Mode::NotReady) return false;
    fluid_->delete_fluid_player(player_);
    player_ = nullptr;
    silenceAll();
    midi_.clear();
    mode_ = Mode::NotReady;
    return true;
}

bool MusicPlayer::pause() {
    {
        std::lock_guard lock(mutex_);
        if (mode_ == Mode::Playing) {
            fluid_->fluid_player_stop(player_);
            silenceAll();
            mode_ = Mode::Paused;
            return true;
        }
        if (mode_ != Mode::Paused) return false;
        if (fluid_->fluid_player_play(player_) != FLUID_OK) return false;
        mode_ = Mode::Playing;
    }
    if (started) started();
    return true;
}

bool MusicPlayer::playing() const {
    return mode_ == Mode::Playing;
}

void MusicPlayer::renderMusic(float* left, float* right, int frames) {
    // The window's calls hold the lock for a moment, and are waited for; open() holds it for as
    // long as a bank takes to load, and is not: nothing plays while a tune opens.
    std::unique_lock lock(mutex_, std::try_to_lock);
    while (!lock.owns_lock()) {
        if (opening_) return;
        std::this_thread::yield();
        lock.try_lock();
    }
    if (!synth_) return;
    // Rendered even when stopped, so the last notes release naturally.
    fluid_->fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
    if (mode_ != Mode::Playing || looping_) return;
    // FluidSynth reports the end two seconds after the last event; the tick count tells it
    // at once.
    const int total = fluid_->fluid_player_get_total_ticks(player_);
    if (fluid_->fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
        (total > 0 && fluid_->fluid_player_get_current_tick(player_) >= total)) {
        fluid_->fluid_player_stop(player_);
        mode_ = Mode::Stopped;
        atEnd_ = true;
    }
}

} // namespace kp::sound
