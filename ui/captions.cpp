#include "captions.h"

#include "persistence/settings.h"

#include <QCoreApplication>

#include <algorithm>

#include <cstring>

namespace kp {

namespace {
// The English captions, each with its item's name so that translators see every item apart
// (the same English may take two words, or two access keys, in another language).
// clang-format off
constexpr Caption table[] = {
    QT_TRANSLATE_NOOP3("Menu", "&File", "MenuFichier"),
    QT_TRANSLATE_NOOP3("Menu", "&New game", "MenuNouveauJeu"),
    QT_TRANSLATE_NOOP3("Menu", "New &match...", "MenuNouveauDuel"),
    QT_TRANSLATE_NOOP3("Menu", "&Single game", "MenuPartieSeul"),
    QT_TRANSLATE_NOOP3("Menu", "&Restart level", "MenuRecommencerNiveau"),
    QT_TRANSLATE_NOOP3("Menu", "&Jump level", "MenuPasserNiveau"),
    QT_TRANSLATE_NOOP3("Menu", "P&aused", "MenuPause"),
    QT_TRANSLATE_NOOP3("Menu", "Panic&!", "MenuPanic"),
    QT_TRANSLATE_NOOP3("Menu", "&Open game...", "MenuOuvrir"),
    QT_TRANSLATE_NOOP3("Menu", "&Save game as...", "MenuEnregistrerSous"),
    QT_TRANSLATE_NOOP3("Menu", "&Watch the last game", "MenuRevoir"),
    QT_TRANSLATE_NOOP3("Menu", "Open a re&play...", "MenuOuvrirReplay"),
    QT_TRANSLATE_NOOP3("Menu", "Sa&ve the replay as...", "MenuEnregistrerReplay"),
    QT_TRANSLATE_NOOP3("Menu", "&Quit", "MenuQuitter"),
    QT_TRANSLATE_NOOP3("Menu", "&Options", "MenuOptions"),
    QT_TRANSLATE_NOOP3("Menu", "Language/Langue", "MenuLangue"),
    QT_TRANSLATE_NOOP3("Menu", "French/Français", "MenuLangueFrancais"),
    QT_TRANSLATE_NOOP3("Menu", "English/Anglais", "MenuLangueAnglais"),
    // Each language in its own name, the same in every language (only the access key may
    // change, to clash with no other in the menu).
    QT_TRANSLATE_NOOP3("Menu", "&Deutsch", "MenuLangueAllemand"),
    QT_TRANSLATE_NOOP3("Menu", "&Español", "MenuLangueEspagnol"),
    QT_TRANSLATE_NOOP3("Menu", "&Italiano", "MenuLangueItalien"),
    QT_TRANSLATE_NOOP3("Menu", "&Português (Brasil)", "MenuLanguePortugais"),
    QT_TRANSLATE_NOOP3("Menu", "&Nederlands", "MenuLangueNeerlandais"),
    QT_TRANSLATE_NOOP3("Menu", "P&olski", "MenuLanguePolonais"),
    QT_TRANSLATE_NOOP3("Menu", "&Русский", "MenuLangueRusse"),
    QT_TRANSLATE_NOOP3("Menu", "Animation of the smileys", "MenuAnimVirus"),
    QT_TRANSLATE_NOOP3("Menu", "No animation", "MenuAnimVirusPasAnim"),
    QT_TRANSLATE_NOOP3("Menu", "Slow", "MenuAnimVirusLente"),
    QT_TRANSLATE_NOOP3("Menu", "Average", "MenuAnimVirusMoyenne"),
    QT_TRANSLATE_NOOP3("Menu", "Fast", "MenuAnimVirusRapide"),
    QT_TRANSLATE_NOOP3("Menu", "Animation of eliminations of smileys", "MenuAnimSuppr"),
    QT_TRANSLATE_NOOP3("Menu", "No animation", "MenuAnimSupprPasAnim"),
    QT_TRANSLATE_NOOP3("Menu", "Slow", "MenuAnimSupprLente"),
    QT_TRANSLATE_NOOP3("Menu", "Average", "MenuAnimSupprMoyenne"),
    QT_TRANSLATE_NOOP3("Menu", "Fast", "MenuAnimSupprRapide"),
    QT_TRANSLATE_NOOP3("Menu", "Options", "MenuAnimSupprOptions"),
    QT_TRANSLATE_NOOP3("Menu", "Tremors of the window", "MenuAnimSupprTremblement"),
    QT_TRANSLATE_NOOP3("Menu", "Size of the smileys", "MenuSmileyTaille"),
    QT_TRANSLATE_NOOP3("Menu", "Size by default", "MenuSmileyTailleNormale"),
    QT_TRANSLATE_NOOP3("Menu", "50%", "MenuSmileyTaille50"),
    QT_TRANSLATE_NOOP3("Menu", "75%", "MenuSmileyTaille75"),
    QT_TRANSLATE_NOOP3("Menu", "100%", "MenuSmileyTaille100"),
    QT_TRANSLATE_NOOP3("Menu", "150%", "MenuSmileyTaille150"),
    QT_TRANSLATE_NOOP3("Menu", "200%", "MenuSmileyTaille200"),
    QT_TRANSLATE_NOOP3("Menu", "300%", "MenuSmileyTaille300"),
    QT_TRANSLATE_NOOP3("Menu", "Colors of the smileys", "MenuSmileyCouleur"),
    QT_TRANSLATE_NOOP3("Menu", "Colors by default", "MenuSmileyCouleurOrigine"),
    QT_TRANSLATE_NOOP3("Menu", "1st color of smiley...", "MenuSmileyCouleur0"),
    QT_TRANSLATE_NOOP3("Menu", "2nd color of smiley...", "MenuSmileyCouleur1"),
    QT_TRANSLATE_NOOP3("Menu", "3rd color of smiley...", "MenuSmileyCouleur2"),
    QT_TRANSLATE_NOOP3("Menu", "4th color of smiley...", "MenuSmileyCouleur3"),
    QT_TRANSLATE_NOOP3("Menu", "5th color of smiley...", "MenuSmileyCouleur4"),
    QT_TRANSLATE_NOOP3("Menu", "Colour &symbols", "MenuSymbolesCouleur"),
    QT_TRANSLATE_NOOP3("Menu", "Pinup", "MenuPinup"),
    QT_TRANSLATE_NOOP3("Menu", "No pinup", "MenuPinupPas"),
    QT_TRANSLATE_NOOP3("Menu", "Pinup of left-hand side", "MenuPinUp1"),
    QT_TRANSLATE_NOOP3("Menu", "Pinup of right-hand side", "MenuPinup2"),
    QT_TRANSLATE_NOOP3("Menu", "Both", "MenuPinupToutes"),
    QT_TRANSLATE_NOOP3("Menu", "Sound", "MenuSon"),
    QT_TRANSLATE_NOOP3("Menu", "No sound", "MenuSonPasDeSon"),
    QT_TRANSLATE_NOOP3("Menu", "Loudspeakers", "MenuSonHautParleur"),
    QT_TRANSLATE_NOOP3("Menu", "PC Speaker", "MenuSonPCSpeaker"),
    QT_TRANSLATE_NOOP3("Menu", "Volume", "MenuSonVolume"),
    QT_TRANSLATE_NOOP3("Menu", "Low", "MenuSonVolumeFaible"),
    QT_TRANSLATE_NOOP3("Menu", "Medium", "MenuSonVolumeMoyen"),
    QT_TRANSLATE_NOOP3("Menu", "High", "MenuSonVolumeFort"),
    QT_TRANSLATE_NOOP3("Menu", "Music", "MenuMusique"),
    QT_TRANSLATE_NOOP3("Menu", "No music", "MenuMusiquePas"),
    QT_TRANSLATE_NOOP3("Menu", "Volume", "MenuMusiqueVolume"),
    QT_TRANSLATE_NOOP3("Menu", "Low", "MenuMusiqueVolumeFaible"),
    QT_TRANSLATE_NOOP3("Menu", "Medium", "MenuMusiqueVolumeMoyen"),
    QT_TRANSLATE_NOOP3("Menu", "High", "MenuMusiqueVolumeFort"),
    QT_TRANSLATE_NOOP3("Menu", "Options", "MenuMusiqueOptions"),
    QT_TRANSLATE_NOOP3("Menu", "Playing in loop", "MenuMusiqueBoucle"),
    QT_TRANSLATE_NOOP3("Menu", "Background", "MenuFond"),
    QT_TRANSLATE_NOOP3("Menu", "Uniform background...", "MenuFondUni"),
    QT_TRANSLATE_NOOP3("Menu", "Range background...", "MenuFondDegrade"),
    QT_TRANSLATE_NOOP3("Menu", "&Kembrolla Panic! background", "MenuFondLogo"),
    QT_TRANSLATE_NOOP3("Menu", "Open background image...", "MenuFondCharger"),
    QT_TRANSLATE_NOOP3("Menu", "Size of background image", "MenuImageFondTaille"),
    QT_TRANSLATE_NOOP3("Menu", "Normal size", "MenuTailleNormale"),
    QT_TRANSLATE_NOOP3("Menu", "Adjusted at the size of the window", "MenuTailleEtiree"),
    QT_TRANSLATE_NOOP3("Menu", "Adjusted with the width of the window", "MenuTailleAjusteeLargeur"),
    QT_TRANSLATE_NOOP3("Menu", "Adjusted with the height of the window", "MenuTailleAjusteeHauteur"),
    QT_TRANSLATE_NOOP3("Menu", "25%", "MenuTaille25pc"),
    QT_TRANSLATE_NOOP3("Menu", "50%", "MenuTaille50pc"),
    QT_TRANSLATE_NOOP3("Menu", "75%", "MenuTaille75pc"),
    QT_TRANSLATE_NOOP3("Menu", "100%", "MenuTaille100pc"),
    QT_TRANSLATE_NOOP3("Menu", "150%", "MenuTaille150pc"),
    QT_TRANSLATE_NOOP3("Menu", "200%", "MenuTaille200pc"),
    QT_TRANSLATE_NOOP3("Menu", "Position of the background image", "MenuImageFondPosition"),
    QT_TRANSLATE_NOOP3("Menu", "Aligned on the left", "MenuPositionGauche"),
    QT_TRANSLATE_NOOP3("Menu", "Centered horizontally", "MenuPositionCentreH"),
    QT_TRANSLATE_NOOP3("Menu", "Aligned on the right", "MenuPositionDroite"),
    QT_TRANSLATE_NOOP3("Menu", "Aligned in top", "MenuPositionHaut"),
    QT_TRANSLATE_NOOP3("Menu", "Centered vertically", "MenuPositionCentreV"),
    QT_TRANSLATE_NOOP3("Menu", "Aligned in bottom", "MenuPositionBas"),
    QT_TRANSLATE_NOOP3("Menu", "Options of the background image", "MenuImageFondOptions"),
    QT_TRANSLATE_NOOP3("Menu", "Tiled image", "MenuOptionsMosaique"),
    QT_TRANSLATE_NOOP3("Menu", "Black and white image", "MenuOptionsNoirEtBlanc"),
    QT_TRANSLATE_NOOP3("Menu", "Negative image", "MenuOptionsNegatif"),
    QT_TRANSLATE_NOOP3("Menu", "Color of the contour of the image...", "MenuCouleurBordure"),
    QT_TRANSLATE_NOOP3("Menu", "Scoreboard", "MenuAffichage"),
    QT_TRANSLATE_NOOP3("Menu", "Show the meters", "MenuAffCompteurs"),
    QT_TRANSLATE_NOOP3("Menu", "Show the following capsule", "MenuAffPieceSuivante"),
    QT_TRANSLATE_NOOP3("Menu", "Color and font of the messages...", "MenuCouleurTexte"),
    QT_TRANSLATE_NOOP3("Menu", "&Configuration...", "MenuConfig"),
    QT_TRANSLATE_NOOP3("Menu", "&Keys and gamepad...", "MenuTouches"),
    QT_TRANSLATE_NOOP3("Menu", "&?", "MenuPtInterro"),
    QT_TRANSLATE_NOOP3("Menu", "&Help", "MenuAide"),
    QT_TRANSLATE_NOOP3("Menu", "About...", "MenuAPropos"),
    QT_TRANSLATE_NOOP3("Menu", "&Demo", "MenuDemo"),
    QT_TRANSLATE_NOOP3("Menu", "Take again the game", "MenuPopupPanicRestaurer"),
    QT_TRANSLATE_NOOP3("Menu", "&Quit", "MenuPopupQuitter"),
};
// clang-format on
} // namespace

std::span<const Caption> menuCaptions() {
    return table;
}

QString caption(const Caption& row) {
    return QCoreApplication::translate("Menu", row.source, row.comment);
}

QString caption(const char* id) {
    for (const Caption& c : table)
        if (std::strcmp(c.comment, id) == 0) return caption(c);
    return QString::fromUtf8(id);
}

QString pauseMessage() {
    return QCoreApplication::translate("Message", "Paused");
}

QString lostMessage() {
    return QCoreApplication::translate("Message", "Failed !");
}

namespace {

QString matchText(const char* source) {
    return QCoreApplication::translate("Match", source);
}

const char* const LevelNames[] = {
    QT_TRANSLATE_NOOP("Match", "Beginner"), QT_TRANSLATE_NOOP("Match", "Easy"),
    QT_TRANSLATE_NOOP("Match", "Medium"), QT_TRANSLATE_NOOP("Match", "Hard"),
    QT_TRANSLATE_NOOP("Match", "Expert")};

} // namespace

QString cpuLevelName(int32_t level) {
    return matchText(LevelNames[std::clamp(level, 0, 4)]);
}

QString wonMessage() {
    return matchText(QT_TRANSLATE_NOOP("Match", "Won!"));
}

QString drawMessage() {
    return matchText(QT_TRANSLATE_NOOP("Match", "Draw!"));
}

QString opponentName(int32_t opponent) {
    if (opponent == DuelSettings::SecondPlayer)
        return matchText(QT_TRANSLATE_NOOP("Match", "Player 2"));
    return matchText(QT_TRANSLATE_NOOP("Match", "Computer (%1)")).arg(cpuLevelName(opponent));
}

QString levelMessage(int level) {
    return QCoreApplication::translate("Message", "Level %1").arg(level);
}

QString musicFailure() {
    return QCoreApplication::translate("Message", "Impossible playing.");
}

} // namespace kp
