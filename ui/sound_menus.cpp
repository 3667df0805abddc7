// The "soundOutput" and "music" menus, and the music's watch on every tick of the clock.
#include "main_window.h"

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
    QMenu* son = addMenu(options, "MenuSon");
    addRadios(son, ids::son, [this](int v) { chooseSoundOutput(v); });
    son->addSeparator();
    QMenu* waveVolume = addMenu(son, "MenuSonVolume");
    addRadios(waveVolume, ids::waveVolume, [this](int v) {
        settings_.effectsVolume = v;
        sound_.ModifierWaveVolume(v);
    });

    QMenu* musique = addMenu(options, "MenuMusique");
    QActionGroup* morceaux = radioGroup();
    addItem(
        musique, "MenuMusiquePas", [this] { chooseTune(0); }, morceaux);
    for (const auto& [value, text] : tunes)
        addItem(
            musique, "MenuMusique" + std::to_string(value), [this, v = value] { chooseTune(v); },
            morceaux, true, QString::fromUtf8(text));
    musique->addSeparator();
    QMenu* midiVolume = addMenu(musique, "MenuMusiqueVolume");
    addRadios(midiVolume, ids::midiVolume, [this](int v) {
        settings_.musicVolume = v;
        sound_.ModifierMidiVolume(v);
    });
    QMenu* musicOptions = addMenu(musique, "MenuMusiqueOptions");
    addItem(
        musicOptions, "MenuMusiqueBoucle",
        [this] {
            settings_.loopMusic = !settings_.loopMusic;
            check("MenuMusiqueBoucle", settings_.loopMusic);
        },
        nullptr, true);

    sound_.music().setLoadingWindow([this](bool show) {
        if (!loadingWindow_) loadingWindow_ = std::make_unique<LoadingWindow>();
        if (show)
            static_cast<LoadingWindow*>(loadingWindow_.get())->montrer(language());
        else
            loadingWindow_->hide();
    });
}

void MainWindow::chooseSoundOutput(int son) {
    settings_.soundOutput = son;
    sound_.effects().setSon(son);
    check(ids::son[son]);
    // The effect volume means something for the loudspeakers only.
    menus_["MenuSonVolume"]->setEnabled(son == 1);
}

void MainWindow::chooseTune(int musique) {
    settings_.music = musique;
    const bool enabled = musique != 0;
    check(enabled ? "MenuMusique" + std::to_string(musique) : std::string("MenuMusiquePas"));
    menus_["MenuMusiqueVolume"]->setEnabled(enabled);
    menus_["MenuMusiqueOptions"]->setEnabled(enabled);
    if (!enabled) {
        sound_.music().stopMusic();
        return;
    }
    if (const auto failure = sound_.music().playTune(musique, language()))
        platform_.message(this, *failure);
}

// The settings' sound choices, at start-up.
void MainWindow::applySound() {
    chooseSoundOutput(settings_.soundOutput);
    check(ids::waveVolume[settings_.effectsVolume]);
    sound_.ModifierWaveVolume(settings_.effectsVolume);
    check(ids::midiVolume[settings_.musicVolume]);
    sound_.ModifierMidiVolume(settings_.musicVolume);
    check("MenuMusiqueBoucle", settings_.loopMusic);
    chooseTune(settings_.music);
}

void MainWindow::watchMusic() {
    const bool active = QApplication::applicationState() == Qt::ApplicationActive;
    using Watch = sound::MusicController::Watch;
    if (sound_.music().superviseMusic(active, isVisible(), settings_.loopMusic) == Watch::Ended) {
        // The tune ended without looping: no music now.
        settings_.music = 0;
        check("MenuMusiquePas");
        menus_["MenuMusiqueVolume"]->setEnabled(false);
        menus_["MenuMusiqueOptions"]->setEnabled(false);
    }
}

} // namespace kp
