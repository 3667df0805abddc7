// The "Son" and "Musique" menus, and the music's watch on every tick of the clock.
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

void TForm1::buildSoundMenus(QMenu* options) {
    QMenu* son = addMenu(options, "MenuSon");
    addRadios(son, ids::son, [this](int v) { choisirSon(v); });
    son->addSeparator();
    QMenu* waveVolume = addMenu(son, "MenuSonVolume");
    addRadios(waveVolume, ids::waveVolume, [this](int v) {
        settings_.WaveVolume = v;
        sound_.ModifierWaveVolume(v);
    });

    QMenu* musique = addMenu(options, "MenuMusique");
    QActionGroup* morceaux = radioGroup();
    addItem(
        musique, "MenuMusiquePas", [this] { choisirMusique(0); }, morceaux);
    for (const auto& [value, text] : tunes)
        addItem(
            musique, "MenuMusique" + std::to_string(value),
            [this, v = value] { choisirMusique(v); }, morceaux, true, QString::fromUtf8(text));
    musique->addSeparator();
    QMenu* midiVolume = addMenu(musique, "MenuMusiqueVolume");
    addRadios(midiVolume, ids::midiVolume, [this](int v) {
        settings_.MidiVolume = v;
        sound_.ModifierMidiVolume(v);
    });
    QMenu* musiqueOptions = addMenu(musique, "MenuMusiqueOptions");
    addItem(
        musiqueOptions, "MenuMusiqueBoucle",
        [this] {
            settings_.MusiqueEnBoucle = !settings_.MusiqueEnBoucle;
            check("MenuMusiqueBoucle", settings_.MusiqueEnBoucle);
        },
        nullptr, true);

    sound_.music().setLoadingWindow([this](bool show) {
        if (!chargement_) chargement_ = std::make_unique<TForm4>();
        if (show)
            static_cast<TForm4*>(chargement_.get())->montrer(langue());
        else
            chargement_->hide();
    });
}

void TForm1::choisirSon(int son) {
    settings_.Son = son;
    sound_.effects().setSon(son);
    check(ids::son[son]);
    // The effect volume means something for the loudspeakers only.
    menus_["MenuSonVolume"]->setEnabled(son == 1);
}

void TForm1::choisirMusique(int musique) {
    settings_.Musique = musique;
    const bool enabled = musique != 0;
    check(enabled ? "MenuMusique" + std::to_string(musique) : std::string("MenuMusiquePas"));
    menus_["MenuMusiqueVolume"]->setEnabled(enabled);
    menus_["MenuMusiqueOptions"]->setEnabled(enabled);
    if (!enabled) {
        sound_.music().MenuMusiquePas_Go();
        return;
    }
    if (const auto failure = sound_.music().MenuMusique_Go(musique, langue()))
        platform_.message(this, *failure);
}

// The settings' sound choices, at start-up.
void TForm1::appliquerSon() {
    choisirSon(settings_.Son);
    check(ids::waveVolume[settings_.WaveVolume]);
    sound_.ModifierWaveVolume(settings_.WaveVolume);
    check(ids::midiVolume[settings_.MidiVolume]);
    sound_.ModifierMidiVolume(settings_.MidiVolume);
    check("MenuMusiqueBoucle", settings_.MusiqueEnBoucle);
    choisirMusique(settings_.Musique);
}

void TForm1::superviserMusique() {
    const bool active = QApplication::applicationState() == Qt::ApplicationActive;
    using Watch = sound::MusicController::Watch;
    if (sound_.music().superviseMusic(active, isVisible(), settings_.MusiqueEnBoucle) ==
        Watch::Ended) {
        // The tune ended without looping: no music now.
        settings_.Musique = 0;
        check("MenuMusiquePas");
        menus_["MenuMusiqueVolume"]->setEnabled(false);
        menus_["MenuMusiqueOptions"]->setEnabled(false);
    }
}

} // namespace kp
