#include "dialog_captions.h"

#include <cstring>

namespace kp {

namespace {
// clang-format off
constexpr Caption table[] = {
    {"TabConfiguration", "&Configuration...", "&Configuration..."},
    {"TabAide", "&Aide", "&Help"},
    {"TabAPropos", "A &propos", "&About"},
    {"TabTouches", "&Touches", "&Keys"},
    {"KeysTouches", "Touches", "Keys"},
    {"KeysManette", "Manette", "Gamepad"},
    {"KeysGauche", "Gauche", "Left"},
    {"KeysDroite", "Droite", "Right"},
    {"KeysTourner", "Tourner", "Turn"},
    {"KeysDescendre", "Descendre d'une ligne", "Down one row"},
    {"KeysLacher", "Lâcher", "Drop"},
    {"KeysPause", "Pause", "Pause"},
    {"KeysPanique", "Panique", "Panic"},
    {"KeysNouvellePartie", "Nouvelle partie", "New game"},
    {"KeysRecommencerNiveau", "Recommencer le niveau", "Restart the level"},
    {"KeysPasserNiveau", "Passer le niveau", "Skip the level"},
    {"KeysCroix", "Croix", "D-pad"},
    {"KeysAttenteTouche", "Appuyez sur une touche (Retour arrière : aucune ; cliquez à nouveau pour garder l'ancienne).", "Press a key (Backspace: none; click again to keep the old one)."},
    {"KeysAttenteBouton", "Appuyez sur un bouton de la manette (Retour arrière : aucun ; cliquez à nouveau pour garder l'ancien).", "Press a gamepad button (Backspace: none; click again to keep the old one)."},
    {"KeysDejaPrise", "« %1 » sert déjà à « %2 » : choisissez-en une autre, ou changez d'abord celle de « %2 ».", "“%1” is already used for “%2”: choose another, or change that one first."},
    {"KeysRaccourciMenu", "« %1 » est le raccourci du menu « %2 » : choisissez-en une autre.", "“%1” is the menu shortcut of “%2”: choose another."},
    {"KeysRepetition", "Répétition des touches :", "Key repeat:"},
    {"KeysRepetitionSysteme", "Système", "System"},
    {"KeysRepetitionJeu", "Jeu", "Game"},
    {"KeysDelai", "Délai (ms) :", "Delay (ms):"},
    {"KeysIntervalle", "Intervalle (ms) :", "Interval (ms):"},
    {"KeysParDefaut", "Par &défaut", "&Defaults"},
    {"KeysAucuneManette", "Aucune manette branchée.", "No gamepad connected."},
    {"KeysManetteBranchee", "Manette : %1", "Gamepad: %1"},
    {"LabelConfigGenerale", "Configuration générale :", "General configuration :"},
    {"NbLgn_Label", "Nombre de lignes du jeu", "Number of lines of the play"},
    {"NbCol_Label", "Nombre de colonnes du jeu", "Number of columns of the play"},
    {"NbColor_Edit_Label", "Nombre de couleurs du jeu", "Number of colors of the game"},
    {"MinCasesConsecutives_EditLabel", "Nombre de couleurs identiques nécessaires pour l'élimination des smileys", "Number of colors identical necessary for the elimination of smileys"},
    {"LabelConfigPremierNiveau", "Configuration du premier niveau (démarrage du jeu) :", "Configuration of the first level (starting of the play) :"},
    {"NbVirus_EditLabel", "Nombre de smileys", "Number of smileys"},
    {"NbVirusLignes_EditLabel", "Nombre de lignes sur lesquelles placer les smileys", "Number of lines on which to place the smileys"},
    {"TempoDepart_Label", "Vitesse de descente des gélules (en millisecondes)", "Speed of descent of the capsules (in milliseconds)"},
    {"LabelConfigNiveauSuivant", "Configuration de chacun des niveaux suivants :", "Configuration of each following level :"},
    {"NbVirusInc_Edit_Label", "Nombre de smileys supplémentaires", "Number of additional smileys"},
    {"NbVirusLignesInc_Edit_Label", "Nombre de lignes supplémentaires sur lesquelles placer les smileys", "Number of additional lines on which to place the smileys"},
    {"NbVirusLignesMax_EditLabel", "Nombre de lignes maximum sur lesquelles placer les smileys", "Maximum number of lines on which to place the smileys"},
    {"TempoNiveauInc_Edit_Label", "Accélération de la vitesse de descente des gélules (en millisecondes)", "Acceleration speed of descent of the capsules (in milliseconds)"},
    {"LabelConfigPredefinies", "Configurations prédéfinies :", "Preset configurations :"},
    {"LabelFreeware2", "N'hésites pas à l'envoyer à tes amis !", "Do not hesitate to send it to your friends !"},
    {"LabelClt", "Clt", "Clas"},
    {"LabelChampion", "Champion(ne)", "Champion(ne)"},
    {"LabelScore", "Score", "Score"},
    {"LabelDate", "Date", "Date"},
    {"LabelPalmares", "Tableau des scores", "Table of the scores"},
    {"LabelBetaTesteurs", "L'équipe des beta-testeurs", "The team of the beta-testers"},
    {"LabelEffacerScores", "Effacer le tableau des scores", "Erase the table of the scores"},
    {"BtnEffacerScores", "&Effacer...", "&Erase..."},
    {"BtnOK", "&OK", "&OK"},
    // The high-score name window.
    {"LabelMsg1", "Félicitations !", "Congratulations !"},
    {"LabelMsg2", "Votre score vous permet d'entrer au palmarès.", "Your score enables you to enter to the prize list."},
    {"LabelMsg3", "Saisissez votre nom :", "Seize your name :"},
    {"BtnAnnuler", "&Annuler", "&Cancel"},
    {"LabelMail", "Écrire à l'auteur", "Write to the author"},
};
// clang-format on
} // namespace

std::span<const Caption> dialogCaptions() {
    return table;
}

QString dialogCaption(const char* id, Language language) {
    for (const Caption& c : table)
        if (std::strcmp(c.id, id) == 0)
            return QString::fromUtf8(language == Language::English ? c.en : c.fr);
    return QString::fromUtf8(id);
}

QString applyQuestion(Language language) {
    return language == Language::English
               ? QStringLiteral("The configuration was modified.\rIf you apply it, the game in "
                                "progress will be re-initialized.\r\rWant you to apply the new "
                                "configuration ?")
               : QStringLiteral("La configuration a été modifiée.\rSi vous l'appliquez, la partie "
                                "en cours sera ré-initialisée.\r\rVoulez-vous appliquer la "
                                "nouvelle configuration ?");
}

QString eraseQuestion(Language language) {
    return language == Language::English ? QStringLiteral("Erase the table of the scores ?")
                                         : QStringLiteral("Effacer le tableau des scores ?");
}

QString presetText(Language language, const LevelParameters& p) {
    const QString format =
        language == Language::English
            ? QStringLiteral("%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, "
                             "runs of %6, a fall every %7 ms")
            : QStringLiteral("%1 lignes × %2 colonnes, %3 smileys sur %4 lignes, "
                             "%5 couleurs, alignements de %6, une chute toutes les %7 ms");
    return format.arg(p.rows)
        .arg(p.columns)
        .arg(p.smileys)
        .arg(p.smileyRows)
        .arg(p.colours)
        .arg(p.minRun)
        .arg(p.firstFallPeriod);
}

QString mailGreeting(Language language) {
    return language == Language::English ? QStringLiteral("Hello. I use ")
                                         : QStringLiteral("Bonjour. J'utilise ");
}

QString mailEnding(Language language) {
    return language == Language::English
               ? QStringLiteral(" and I am (a little) (much) (passionately) (with the madness) "
                                "(not at all) happy with it. I thought that that would please to "
                                "you to know it !")
               : QStringLiteral(" et j'en suis (un peu) (beaucoup) (passionnément) (à la folie) "
                                "(pas du tout) content. J'ai pensé que ça vous ferait plaisir de "
                                "le savoir !");
}

} // namespace kp
