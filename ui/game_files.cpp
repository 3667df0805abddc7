// Saved games and the high-score entry: the "Ouvrir une partie..." and "Enregistrer la partie
// sous..." commands, and the name dialog after a lost game that qualifies.
#include "main_window.h"

#include "ui/config_dialog.h"
#include "ui/name_dialog.h"

#include "persistence/saved_game.h"
#include "persistence/scores.h"

#include <QLocale>

namespace kp {

void TForm1::OuvrirPartie(const std::filesystem::path& path) {
    // A file that holds no saved game is refused before the game in progress is touched; a
    // game read here is handed to the level set-up, which does not read the file again.
    const std::string p = path.string();
    auto lue = std::make_unique<SavedGame>();
    const LoadResult result = LireSauvegarde(p, settingsFile_.string(), *lue);
    if (result == LoadResult::NotASave) {
        notASavedGame(p);
        return;
    }
    if (result == LoadResult::Loaded) partieLue_ = {p, std::move(lue)};
    game_.InitPartie(p);
    partieLue_ = {};
}

void TForm1::ouvrirPartie() {
    if (const auto path = platform_.openGame(this)) OuvrirPartie(systemPath(*path));
}

void TForm1::enregistrerPartie() {
    const auto path = platform_.saveGame(this, langue());
    if (!path) return;
    const FileResult saved = EnregistrerPartie(systemPath(*path), game_.state());
    if (!saved.ok())
        platform_.message(this, QString::fromStdString(MessageErreurFichier(saved, langue())));
}

void TForm1::recordOffered() {
    if (!nomDialogue_) return;
    nomDialogue_->appliquerLangue(langue());
    if (nomDialogue_->exec() != QDialog::Accepted) return;
    // The date in the computer's own language.
    MoisCourts mois;
    const QLocale locale;
    for (int m = 0; m < 12; ++m)
        mois[m] = locale.monthName(m + 1, QLocale::ShortFormat).toStdString();
    const GameState& s = game_.state();
    const ResultatPalmares r =
        MettreAJourPalmares(settings_.Scores, settingsFile_, s.Niveau, s.NbVirusRestants,
                            nomDialogue_->nom().toStdString(), TexteDatePalmaresMaintenant(mois));
    if (r.rang > 0 && !r.fichier.ok())
        platform_.message(this, QString::fromStdString(MessageErreurFichier(r.fichier, langue())));
    montrerPalmares();
}

// The score page of the configuration dialog, once the entry is in.
void TForm1::montrerPalmares() {
    if (form2_) form2_->showTab(TForm2::OngletAPropos);
}

} // namespace kp
