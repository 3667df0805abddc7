#include "ui/sound_menus.h"

#include "ui/captions.h"
#include "ui/loading_window.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/platform.h"
#include "ui/settings_model.h"

#include "sound/sound_system.h"
#include "sound/tunes.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

namespace kp {

namespace {
// The tunes as the menu lists them: (setting value, caption).
const std::pair<int, const char*> tunes[] = {
    {2, "&Bolero"}, {4, "&Booster"}, {1, "&Elise"}, {3, "&Pop Corn"}, {5, "Po&wer Pads"}};
} // namespace

SoundMenus::SoundMenus(MenuBook& book, QMenu* options, SettingsModel& model,
                       sound::SoundSystem& sound, Platform& platform, QWidget& window)
    : QObject(&window), book_(book), model_(model), sound_(sound), platform_(platform),
      window_(window) {
    build(options);
    connect(&model_, &SettingsModel::soundChanged, this, &SoundMenus::apply);
    connect(&model_, &SettingsModel::tuneChanged, this, &SoundMenus::applyTune);
}

SoundMenus::~SoundMenus() = default;

void SoundMenus::build(QMenu* options) {
    QMenu* output = book_.addMenu(options, Item::SoundMenu);
    book_.addRadios(output, ids::output,
                    [this](int v) { model_.changeSound([v](Settings& s) { s.soundOutput = v; }); });
    output->addSeparator();
    QMenu* waveVolume = book_.addMenu(output, Item::SoundVolumeMenu);
    book_.addRadios(waveVolume, ids::waveVolume, [this](int v) {
        model_.changeSound([v](Settings& s) { s.effectsVolume = v; });
    });

    QMenu* tune = book_.addMenu(options, Item::MusicMenu);
    QActionGroup* tuneGroup = book_.radioGroup();
    book_.addItem(
        tune, Item::MusicNone, [this] { model_.changeTune(0); }, tuneGroup);
    for (const auto& [value, text] : tunes)
        book_.addItem(
            tune, nth(Item::Tune1, value - 1), [this, v = value] { model_.changeTune(v); },
            tuneGroup, true, QString::fromUtf8(text));
    tune->addSeparator();
    QMenu* midiVolume = book_.addMenu(tune, Item::MusicVolumeMenu);
    book_.addRadios(midiVolume, ids::midiVolume,
                    [this](int v) { model_.changeSound([v](Settings& s) { s.musicVolume = v; }); });
    QMenu* musicOptions = book_.addMenu(tune, Item::MusicOptionsMenu);
    book_.addItem(
        musicOptions, Item::MusicLoop,
        [this] { model_.changeSound([](Settings& s) { s.loopMusic = !s.loopMusic; }); }, nullptr,
        true);

    sound_.music().setLoadingWindow([this](bool show) {
        if (!loadingWindow_) loadingWindow_ = std::make_unique<LoadingWindow>();
        if (show)
            static_cast<LoadingWindow*>(loadingWindow_.get())->shown();
        else
            loadingWindow_->hide();
    });
    sound_.music().setFailureHandler([this] { platform_.message(&window_, musicFailure()); });
}

void SoundMenus::showTune() {
    const int tune = model_.settings().music;
    const bool enabled = tune != 0;
    book_.check(enabled ? nth(Item::Tune1, tune - 1) : Item::MusicNone);
    book_.menu(Item::MusicVolumeMenu)->setEnabled(enabled);
    book_.menu(Item::MusicOptionsMenu)->setEnabled(enabled);
}

// The tune in the settings, and its menus.
void SoundMenus::applyTune() {
    showTune();
    if (model_.settings().music == 0)
        sound_.music().stopMusic();
    else
        sound_.music().playTune(model_.settings().music);
}

void SoundMenus::apply() {
    const Settings& s = model_.settings();
    sound_.effects().setOutput(s.soundOutput);
    book_.check(ids::output[s.soundOutput]);
    // The effect volume means something for the loudspeakers only.
    book_.menu(Item::SoundVolumeMenu)->setEnabled(s.soundOutput == 1);
    book_.check(ids::waveVolume[s.effectsVolume]);
    sound_.setEffectsVolume(s.effectsVolume);
    book_.check(ids::midiVolume[s.musicVolume]);
    sound_.setMusicVolume(s.musicVolume);
    book_.check(Item::MusicLoop, s.loopMusic);
    sound_.music().setLooping(s.loopMusic);
}

void SoundMenus::watchMusic() {
    const bool active = QApplication::applicationState() == Qt::ApplicationActive;
    using Watch = sound::MusicController::Watch;
    if (sound_.music().superviseMusic(active, window_.isVisible()) == Watch::Ended) {
        // The tune ended without looping: no music now.
        model_.changeTune(0);
    }
}

} // namespace kp
