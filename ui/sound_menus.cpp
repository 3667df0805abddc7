// The "Son" and "Musique" menus, and the music's watch on every tick of the clock.
#include "main_window.h"

#include "ui/captions.h"

#include "ui/loading_window.h"
#include "ui/menu_book.h"
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
    QMenu* output = book_->addMenu(options, "MenuSon");
    book_->addRadios(output, ids::output, [this](int v) {
        model_.changeSound([v](Settings& s) { s.soundOutput = v; });
    });
    output->addSeparator();
    QMenu* waveVolume = book_->addMenu(output, "MenuSonVolume");
    book_->addRadios(waveVolume, ids::waveVolume, [this](int v) {
        model_.changeSound([v](Settings& s) { s.effectsVolume = v; });
    });

    QMenu* tune = book_->addMenu(options, "MenuMusique");
    QActionGroup* tuneGroup = book_->radioGroup();
    book_->addItem(
        tune, "MenuMusiquePas", [this] { chooseTune(0); }, tuneGroup);
    for (const auto& [value, text] : tunes)
        book_->addItem(
            tune, "MenuMusique" + std::to_string(value), [this, v = value] { chooseTune(v); },
            tuneGroup, true, QString::fromUtf8(text));
    tune->addSeparator();
    QMenu* midiVolume = book_->addMenu(tune, "MenuMusiqueVolume");
    book_->addRadios(midiVolume, ids::midiVolume, [this](int v) {
        model_.changeSound([v](Settings& s) { s.musicVolume = v; });
    });
    QMenu* musicOptions = book_->addMenu(tune, "MenuMusiqueOptions");
    book_->addItem(
        musicOptions, "MenuMusiqueBoucle",
        [this] { model_.changeSound([](Settings& s) { s.loopMusic = !s.loopMusic; }); }, nullptr,
        true);

    sound_.music().setLoadingWindow([this](bool show) {
        if (!loadingWindow_) loadingWindow_ = std::make_unique<LoadingWindow>();
        if (show)
            static_cast<LoadingWindow*>(loadingWindow_.get())->shown();
        else
            loadingWindow_->hide();
    });
    sound_.music().setFailureHandler([this] { platform_.message(this, musicFailure()); });
}

void MainWindow::showTune() {
    const int tune = settings().music;
    const bool enabled = tune != 0;
    book_->check(enabled ? "MenuMusique" + std::to_string(tune) : std::string("MenuMusiquePas"));
    book_->menu("MenuMusiqueVolume")->setEnabled(enabled);
    book_->menu("MenuMusiqueOptions")->setEnabled(enabled);
}

void MainWindow::chooseTune(int tune) {
    model_.changeTune(tune);
}

// The tune in the settings, and its menus.
void MainWindow::applyTune() {
    showTune();
    if (settings().music == 0)
        sound_.music().stopMusic();
    else
        sound_.music().playTune(settings().music);
}

void MainWindow::applySound() {
    const Settings& s = settings();
    sound_.effects().setOutput(s.soundOutput);
    book_->check(ids::output[s.soundOutput]);
    // The effect volume means something for the loudspeakers only.
    book_->menu("MenuSonVolume")->setEnabled(s.soundOutput == 1);
    book_->check(ids::waveVolume[s.effectsVolume]);
    sound_.setEffectsVolume(s.effectsVolume);
    book_->check(ids::midiVolume[s.musicVolume]);
    sound_.setMusicVolume(s.musicVolume);
    book_->check("MenuMusiqueBoucle", s.loopMusic);
    sound_.music().setLooping(s.loopMusic);
}

void MainWindow::watchMusic() {
    const bool active = QApplication::applicationState() == Qt::ApplicationActive;
    using Watch = sound::MusicController::Watch;
    if (sound_.music().superviseMusic(active, isVisible()) == Watch::Ended) {
        // The tune ended without looping: no music now.
        model_.changeTune(0);
    }
}

} // namespace kp
