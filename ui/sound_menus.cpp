// The "Son" and "Musique" menus, and the music's watch on every tick of the clock.
#include "main_window.h"

#include "ui/captions.h"

#include "ui/loading_window.h"
#include "ui/menu_ids.h"

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

void MainWindow::buildSoundMenus(QMenu* options) {
    QMenu* output = addMenu(options, "MenuSon");
    addRadios(output, ids::output, [this](int v) { chooseSoundOutput(v); });
    output->addSeparator();
    QMenu* waveVolume = addMenu(output, "MenuSonVolume");
    addRadios(waveVolume, ids::waveVolume, [this](int v) {
        settings_.effectsVolume = v;
        sound_.setEffectsVolume(v);
    });

    QMenu* tune = addMenu(options, "MenuMusique");
    QActionGroup* tuneGroup = radioGroup();
    addItem(
        tune, "MenuMusiquePas", [this] { chooseTune(0); }, tuneGroup);
    for (const auto& [value, text] : tunes)
        addItem(
            tune, "MenuMusique" + std::to_string(value), [this, v = value] { chooseTune(v); },
            tuneGroup, true, QString::fromUtf8(text));
    tune->addSeparator();
    QMenu* midiVolume = addMenu(tune, "MenuMusiqueVolume");
    addRadios(midiVolume, ids::midiVolume, [this](int v) {
        settings_.musicVolume = v;
        sound_.setMusicVolume(v);
    });
    QMenu* musicOptions = addMenu(tune, "MenuMusiqueOptions");
    addItem(
        musicOptions, "MenuMusiqueBoucle",
        [this] {
            settings_.loopMusic = !settings_.loopMusic;
            check("MenuMusiqueBoucle", settings_.loopMusic);
            sound_.music().setLooping(settings_.loopMusic);
        },
        nullptr, true);

    sound_.music().setLoadingWindow([this](bool show) {
        if (!loadingWindow_) loadingWindow_ = std::make_unique<LoadingWindow>();
        if (show)
            static_cast<LoadingWindow*>(loadingWindow_.get())->shown();
        else
            loadingWindow_->hide();
    });
    sound_.music().setFailureHandler([this] { platform_.message(this, musicFailure()); });
}

void MainWindow::chooseSoundOutput(int output) {
    settings_.soundOutput = output;
    sound_.effects().setOutput(output);
    check(ids::output[output]);
    // The effect volume means something for the loudspeakers only.
    menus_["MenuSonVolume"]->setEnabled(output == 1);
}

void MainWindow::showTune(int tune) {
    settings_.music = tune;
    const bool enabled = tune != 0;
    check(enabled ? "MenuMusique" + std::to_string(tune) : std::string("MenuMusiquePas"));
    menus_["MenuMusiqueVolume"]->setEnabled(enabled);
    menus_["MenuMusiqueOptions"]->setEnabled(enabled);
}

void MainWindow::chooseTune(int tune) {
    showTune(tune);
    if (tune == 0) {
        sound_.music().stopMusic();
        return;
    }
    sound_.music().playTune(tune);
}

// The settings' sound choices, at start-up.
void MainWindow::applySound() {
    chooseSoundOutput(settings_.soundOutput);
    check(ids::waveVolume[settings_.effectsVolume]);
    sound_.setEffectsVolume(settings_.effectsVolume);
    check(ids::midiVolume[settings_.musicVolume]);
    sound_.setMusicVolume(settings_.musicVolume);
    check("MenuMusiqueBoucle", settings_.loopMusic);
    sound_.music().setLooping(settings_.loopMusic);
    sound_.setPreferredBank(settings_.soundBank);
    // At start-up the tune (its synthesiser, its bank, the loading window) waits for the
    // window's first frame.
    if (firstFrameShown_)
        chooseTune(settings_.music);
    else
        showTune(settings_.music);
}

void MainWindow::watchMusic() {
    const bool active = QApplication::applicationState() == Qt::ApplicationActive;
    using Watch = sound::MusicController::Watch;
    if (sound_.music().superviseMusic(active, isVisible()) == Watch::Ended) {
        // The tune ended without looping: no music now.
        settings_.music = 0;
        check("MenuMusiquePas");
        menus_["MenuMusiqueVolume"]->setEnabled(false);
        menus_["MenuMusiqueOptions"]->setEnabled(false);
    }
}

} // namespace kp
