#include "dialog_captions.h"

#include <QCoreApplication>

#include <cstring>

namespace kp {

namespace {
// clang-format off
constexpr Caption table[] = {
    QT_TRANSLATE_NOOP3("Dialog", "&Configuration...", "TabConfiguration"),
    QT_TRANSLATE_NOOP3("Dialog", "&Help", "TabAide"),
    QT_TRANSLATE_NOOP3("Dialog", "&About", "TabAPropos"),
    QT_TRANSLATE_NOOP3("Dialog", "&Keys", "TabTouches"),
    QT_TRANSLATE_NOOP3("Dialog", "Keys", "KeysTouches"),
    QT_TRANSLATE_NOOP3("Dialog", "Gamepad", "KeysManette"),
    QT_TRANSLATE_NOOP3("Dialog", "Left", "KeysGauche"),
    QT_TRANSLATE_NOOP3("Dialog", "Right", "KeysDroite"),
    QT_TRANSLATE_NOOP3("Dialog", "Turn", "KeysTourner"),
    QT_TRANSLATE_NOOP3("Dialog", "Down one row", "KeysDescendre"),
    QT_TRANSLATE_NOOP3("Dialog", "Drop", "KeysLacher"),
    QT_TRANSLATE_NOOP3("Dialog", "Pause", "KeysPause"),
    QT_TRANSLATE_NOOP3("Dialog", "Panic", "KeysPanique"),
    QT_TRANSLATE_NOOP3("Dialog", "New game", "KeysNouvellePartie"),
    QT_TRANSLATE_NOOP3("Dialog", "Restart the level", "KeysRecommencerNiveau"),
    QT_TRANSLATE_NOOP3("Dialog", "Skip the level", "KeysPasserNiveau"),
    QT_TRANSLATE_NOOP3("Dialog", "Hint", "KeysIndice"),
    QT_TRANSLATE_NOOP3("Dialog", "D-pad", "KeysCroix"),
    QT_TRANSLATE_NOOP3("Dialog", "Press a key (Backspace: none; click again to keep the old one).", "KeysAttenteTouche"),
    QT_TRANSLATE_NOOP3("Dialog", "Press a gamepad button (Backspace: none; click again to keep the old one).", "KeysAttenteBouton"),
    QT_TRANSLATE_NOOP3("Dialog", "“%1” is already used for “%2”: choose another, or change that one first.", "KeysDejaPrise"),
    QT_TRANSLATE_NOOP3("Dialog", "“%1” is the menu shortcut of “%2”: choose another.", "KeysRaccourciMenu"),
    QT_TRANSLATE_NOOP3("Dialog", "Key repeat:", "KeysRepetition"),
    QT_TRANSLATE_NOOP3("Dialog", "System", "KeysRepetitionSysteme"),
    QT_TRANSLATE_NOOP3("Dialog", "Game", "KeysRepetitionJeu"),
    QT_TRANSLATE_NOOP3("Dialog", "Delay (ms):", "KeysDelai"),
    QT_TRANSLATE_NOOP3("Dialog", "Interval (ms):", "KeysIntervalle"),
    QT_TRANSLATE_NOOP3("Dialog", "&Defaults", "KeysParDefaut"),
    QT_TRANSLATE_NOOP3("Dialog", "No gamepad connected.", "KeysAucuneManette"),
    QT_TRANSLATE_NOOP3("Dialog", "Gamepad: %1", "KeysManetteBranchee"),
    QT_TRANSLATE_NOOP3("Dialog", "General configuration :", "LabelConfigGenerale"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of lines of the play", "NbLgn_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of columns of the play", "NbCol_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of colors of the game", "NbColor_Edit_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of colors identical necessary for the elimination of smileys", "MinCasesConsecutives_EditLabel"),
    QT_TRANSLATE_NOOP3("Dialog", "Configuration of the first level (starting of the play) :", "LabelConfigPremierNiveau"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of smileys", "NbVirus_EditLabel"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of lines on which to place the smileys", "NbVirusLignes_EditLabel"),
    QT_TRANSLATE_NOOP3("Dialog", "Speed of descent of the capsules (in milliseconds)", "TempoDepart_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Configuration of each following level :", "LabelConfigNiveauSuivant"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of additional smileys", "NbVirusInc_Edit_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Number of additional lines on which to place the smileys", "NbVirusLignesInc_Edit_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Maximum number of lines on which to place the smileys", "NbVirusLignesMax_EditLabel"),
    QT_TRANSLATE_NOOP3("Dialog", "Acceleration speed of descent of the capsules (in milliseconds)", "TempoNiveauInc_Edit_Label"),
    QT_TRANSLATE_NOOP3("Dialog", "Preset configurations :", "LabelConfigPredefinies"),
    QT_TRANSLATE_NOOP3("Dialog", "Freeware", "LabelFreeware"),
    QT_TRANSLATE_NOOP3("Dialog", "FreeWare !", "LabelFreeware1"),
    QT_TRANSLATE_NOOP3("Dialog", "Do not hesitate to send it to your friends !", "LabelFreeware2"),
    QT_TRANSLATE_NOOP3("Dialog", "Clas", "LabelClt"),
    QT_TRANSLATE_NOOP3("Dialog", "Champion(ne)", "LabelChampion"),
    QT_TRANSLATE_NOOP3("Dialog", "Score", "LabelScore"),
    QT_TRANSLATE_NOOP3("Dialog", "Date", "LabelDate"),
    QT_TRANSLATE_NOOP3("Dialog", "Table of the scores", "LabelPalmares"),
    QT_TRANSLATE_NOOP3("Dialog", "Watch", "BtnVoir"),
    QT_TRANSLATE_NOOP3("Dialog", "The team of the beta-testers", "LabelBetaTesteurs"),
    QT_TRANSLATE_NOOP3("Dialog", "Erase the table of the scores", "LabelEffacerScores"),
    QT_TRANSLATE_NOOP3("Dialog", "&Erase...", "BtnEffacerScores"),
    QT_TRANSLATE_NOOP3("Dialog", "&OK", "BtnOK"),
    // The high-score name window.
    QT_TRANSLATE_NOOP3("Dialog", "Congratulations !", "LabelMsg1"),
    QT_TRANSLATE_NOOP3("Dialog", "Your score enables you to enter to the prize list.", "LabelMsg2"),
    QT_TRANSLATE_NOOP3("Dialog", "Seize your name :", "LabelMsg3"),
    QT_TRANSLATE_NOOP3("Dialog", "&Cancel", "BtnAnnuler"),
    QT_TRANSLATE_NOOP3("Dialog", "Write to the author", "LabelMail"),
};
// clang-format on
} // namespace

std::span<const Caption> dialogCaptions() {
    return table;
}

QString dialogCaption(const char* id) {
    for (const Caption& c : table)
        if (std::strcmp(c.comment, id) == 0)
            return QCoreApplication::translate("Dialog", c.source, c.comment);
    return QString::fromUtf8(id);
}

QString applyQuestion() {
    return QCoreApplication::translate(
        "Dialog", "The configuration was modified.\rIf you apply it, the game in progress will be "
                  "re-initialized.\r\rWant you to apply the new configuration ?");
}

QString eraseQuestion() {
    return QCoreApplication::translate("Dialog", "Erase the table of the scores ?");
}

QString presetText(const LevelParameters& p) {
    return QCoreApplication::translate("Dialog",
                                       "%1 lines × %2 columns, %3 smileys on %4 lines, %5 colors, "
                                       "runs of %6, a fall every %7 ms")
        .arg(p.rows)
        .arg(p.columns)
        .arg(p.smileys)
        .arg(p.smileyRows)
        .arg(p.colours)
        .arg(p.minRun)
        .arg(p.firstFallPeriod);
}

// The mail's words exist in French and English only: every other language writes in English.
QString mailGreeting(Language language) {
    return language == Language::French ? QStringLiteral("Bonjour. J'utilise ")
                                        : QStringLiteral("Hello. I use ");
}

QString mailEnding(Language language) {
    return language == Language::French
               ? QStringLiteral(" et j'en suis (un peu) (beaucoup) (passionnément) (à la folie) "
                                "(pas du tout) content. J'ai pensé que ça vous ferait plaisir de "
                                "le savoir !")
               : QStringLiteral(" and I am (a little) (much) (passionately) (with the madness) "
                                "(not at all) happy with it. I thought that that would please to "
                                "you to know it !");
}

} // namespace kp
