#include "captions.h"

#include "persistence/settings.h"

#include <QCoreApplication>

#include <algorithm>

#include <iterator>

namespace kp {

namespace {
// The English captions, each with its item's name so that translators see every item apart
// (the same English may take two words, or two access keys, in another language).
// clang-format off
constexpr ItemCaption table[] = {
    {Item::FileMenu, QT_TRANSLATE_NOOP3("Menu", "&File", "MenuFichier")},
    {Item::NewGame, QT_TRANSLATE_NOOP3("Menu", "&New game", "MenuNouveauJeu")},
    {Item::NewMatch, QT_TRANSLATE_NOOP3("Menu", "New &match...", "MenuNouveauDuel")},
    {Item::NetworkMatch, QT_TRANSLATE_NOOP3("Menu", "&Network match...", "MenuDuelReseau")},
    {Item::SingleGame, QT_TRANSLATE_NOOP3("Menu", "&Single game", "MenuPartieSeul")},
    {Item::RestartLevel, QT_TRANSLATE_NOOP3("Menu", "&Restart level", "MenuRecommencerNiveau")},
    {Item::SkipLevel, QT_TRANSLATE_NOOP3("Menu", "&Jump level", "MenuPasserNiveau")},
    {Item::Pause, QT_TRANSLATE_NOOP3("Menu", "P&aused", "MenuPause")},
    {Item::Panic, QT_TRANSLATE_NOOP3("Menu", "Panic&!", "MenuPanic")},
    {Item::OpenGame, QT_TRANSLATE_NOOP3("Menu", "&Open game...", "MenuOuvrir")},
    {Item::SaveGameAs, QT_TRANSLATE_NOOP3("Menu", "&Save game as...", "MenuEnregistrerSous")},
    {Item::WatchLastGame, QT_TRANSLATE_NOOP3("Menu", "&Watch the last game", "MenuRevoir")},
    {Item::OpenReplay, QT_TRANSLATE_NOOP3("Menu", "Open a re&play...", "MenuOuvrirReplay")},
    {Item::SaveReplay, QT_TRANSLATE_NOOP3("Menu", "Sa&ve the replay as...", "MenuEnregistrerReplay")},
    {Item::Quit, QT_TRANSLATE_NOOP3("Menu", "&Quit", "MenuQuitter")},
    {Item::OptionsMenu, QT_TRANSLATE_NOOP3("Menu", "&Options", "MenuOptions")},
    {Item::LanguageMenu, QT_TRANSLATE_NOOP3("Menu", "Language/Langue", "MenuLangue")},
    {Item::French, QT_TRANSLATE_NOOP3("Menu", "French/Français", "MenuLangueFrancais")},
    {Item::English, QT_TRANSLATE_NOOP3("Menu", "English/Anglais", "MenuLangueAnglais")},
    // Each language in its own name, the same in every language (only the access key may
    // change, to clash with no other in the menu).
    {Item::German, QT_TRANSLATE_NOOP3("Menu", "&Deutsch", "MenuLangueAllemand")},
    {Item::Spanish, QT_TRANSLATE_NOOP3("Menu", "&Español", "MenuLangueEspagnol")},
    {Item::Italian, QT_TRANSLATE_NOOP3("Menu", "&Italiano", "MenuLangueItalien")},
    {Item::BrazilianPortuguese, QT_TRANSLATE_NOOP3("Menu", "&Português (Brasil)", "MenuLanguePortugais")},
    {Item::Dutch, QT_TRANSLATE_NOOP3("Menu", "&Nederlands", "MenuLangueNeerlandais")},
    {Item::Polish, QT_TRANSLATE_NOOP3("Menu", "P&olski", "MenuLanguePolonais")},
    {Item::Russian, QT_TRANSLATE_NOOP3("Menu", "&Русский", "MenuLangueRusse")},
    {Item::SmileyAnimationMenu, QT_TRANSLATE_NOOP3("Menu", "Animation of the smileys", "MenuAnimVirus")},
    {Item::SmileyAnimationNone, QT_TRANSLATE_NOOP3("Menu", "No animation", "MenuAnimVirusPasAnim")},
    {Item::SmileyAnimationSlow, QT_TRANSLATE_NOOP3("Menu", "Slow", "MenuAnimVirusLente")},
    {Item::SmileyAnimationAverage, QT_TRANSLATE_NOOP3("Menu", "Average", "MenuAnimVirusMoyenne")},
    {Item::SmileyAnimationFast, QT_TRANSLATE_NOOP3("Menu", "Fast", "MenuAnimVirusRapide")},
    {Item::RemovalAnimationMenu, QT_TRANSLATE_NOOP3("Menu", "Animation of eliminations of smileys", "MenuAnimSuppr")},
    {Item::RemovalAnimationNone, QT_TRANSLATE_NOOP3("Menu", "No animation", "MenuAnimSupprPasAnim")},
    {Item::RemovalAnimationSlow, QT_TRANSLATE_NOOP3("Menu", "Slow", "MenuAnimSupprLente")},
    {Item::RemovalAnimationAverage, QT_TRANSLATE_NOOP3("Menu", "Average", "MenuAnimSupprMoyenne")},
    {Item::RemovalAnimationFast, QT_TRANSLATE_NOOP3("Menu", "Fast", "MenuAnimSupprRapide")},
    {Item::RemovalOptionsMenu, QT_TRANSLATE_NOOP3("Menu", "Options", "MenuAnimSupprOptions")},
    {Item::Shake, QT_TRANSLATE_NOOP3("Menu", "Tremors of the window", "MenuAnimSupprTremblement")},
    {Item::SmileySizeMenu, QT_TRANSLATE_NOOP3("Menu", "Size of the smileys", "MenuSmileyTaille")},
    {Item::SmileySizeDefault, QT_TRANSLATE_NOOP3("Menu", "Size by default", "MenuSmileyTailleNormale")},
    {Item::SmileySize50, QT_TRANSLATE_NOOP3("Menu", "50%", "MenuSmileyTaille50")},
    {Item::SmileySize75, QT_TRANSLATE_NOOP3("Menu", "75%", "MenuSmileyTaille75")},
    {Item::SmileySize100, QT_TRANSLATE_NOOP3("Menu", "100%", "MenuSmileyTaille100")},
    {Item::SmileySize150, QT_TRANSLATE_NOOP3("Menu", "150%", "MenuSmileyTaille150")},
    {Item::SmileySize200, QT_TRANSLATE_NOOP3("Menu", "200%", "MenuSmileyTaille200")},
    {Item::SmileySize300, QT_TRANSLATE_NOOP3("Menu", "300%", "MenuSmileyTaille300")},
    {Item::SmileyColourMenu, QT_TRANSLATE_NOOP3("Menu", "Colors of the smileys", "MenuSmileyCouleur")},
    {Item::SmileyColoursDefault, QT_TRANSLATE_NOOP3("Menu", "Colors by default", "MenuSmileyCouleurOrigine")},
    {Item::SmileyColour1, QT_TRANSLATE_NOOP3("Menu", "1st color of smiley...", "MenuSmileyCouleur0")},
    {Item::SmileyColour2, QT_TRANSLATE_NOOP3("Menu", "2nd color of smiley...", "MenuSmileyCouleur1")},
    {Item::SmileyColour3, QT_TRANSLATE_NOOP3("Menu", "3rd color of smiley...", "MenuSmileyCouleur2")},
    {Item::SmileyColour4, QT_TRANSLATE_NOOP3("Menu", "4th color of smiley...", "MenuSmileyCouleur3")},
    {Item::SmileyColour5, QT_TRANSLATE_NOOP3("Menu", "5th color of smiley...", "MenuSmileyCouleur4")},
    {Item::ColourSymbols, QT_TRANSLATE_NOOP3("Menu", "Colour &symbols", "MenuSymbolesCouleur")},
    {Item::PinupMenu, QT_TRANSLATE_NOOP3("Menu", "Pinup", "MenuPinup")},
    {Item::PinupNone, QT_TRANSLATE_NOOP3("Menu", "No pinup", "MenuPinupPas")},
    {Item::PinupLeft, QT_TRANSLATE_NOOP3("Menu", "Pinup of left-hand side", "MenuPinUp1")},
    {Item::PinupRight, QT_TRANSLATE_NOOP3("Menu", "Pinup of right-hand side", "MenuPinup2")},
    {Item::PinupBoth, QT_TRANSLATE_NOOP3("Menu", "Both", "MenuPinupToutes")},
    {Item::SoundMenu, QT_TRANSLATE_NOOP3("Menu", "Sound", "MenuSon")},
    {Item::SoundNone, QT_TRANSLATE_NOOP3("Menu", "No sound", "MenuSonPasDeSon")},
    {Item::SoundLoudspeakers, QT_TRANSLATE_NOOP3("Menu", "Loudspeakers", "MenuSonHautParleur")},
    {Item::SoundPcSpeaker, QT_TRANSLATE_NOOP3("Menu", "PC Speaker", "MenuSonPCSpeaker")},
    {Item::SoundVolumeMenu, QT_TRANSLATE_NOOP3("Menu", "Volume", "MenuSonVolume")},
    {Item::SoundVolumeLow, QT_TRANSLATE_NOOP3("Menu", "Low", "MenuSonVolumeFaible")},
    {Item::SoundVolumeMedium, QT_TRANSLATE_NOOP3("Menu", "Medium", "MenuSonVolumeMoyen")},
    {Item::SoundVolumeHigh, QT_TRANSLATE_NOOP3("Menu", "High", "MenuSonVolumeFort")},
    {Item::MusicMenu, QT_TRANSLATE_NOOP3("Menu", "Music", "MenuMusique")},
    {Item::MusicNone, QT_TRANSLATE_NOOP3("Menu", "No music", "MenuMusiquePas")},
    {Item::MusicVolumeMenu, QT_TRANSLATE_NOOP3("Menu", "Volume", "MenuMusiqueVolume")},
    {Item::MusicVolumeLow, QT_TRANSLATE_NOOP3("Menu", "Low", "MenuMusiqueVolumeFaible")},
    {Item::MusicVolumeMedium, QT_TRANSLATE_NOOP3("Menu", "Medium", "MenuMusiqueVolumeMoyen")},
    {Item::MusicVolumeHigh, QT_TRANSLATE_NOOP3("Menu", "High", "MenuMusiqueVolumeFort")},
    {Item::MusicOptionsMenu, QT_TRANSLATE_NOOP3("Menu", "Options", "MenuMusiqueOptions")},
    {Item::MusicLoop, QT_TRANSLATE_NOOP3("Menu", "Playing in loop", "MenuMusiqueBoucle")},
    {Item::BackgroundMenu, QT_TRANSLATE_NOOP3("Menu", "Background", "MenuFond")},
    {Item::BackgroundPlain, QT_TRANSLATE_NOOP3("Menu", "Uniform background...", "MenuFondUni")},
    {Item::BackgroundGradient, QT_TRANSLATE_NOOP3("Menu", "Range background...", "MenuFondDegrade")},
    {Item::BackgroundLogo, QT_TRANSLATE_NOOP3("Menu", "&Kembrolla Panic! background", "MenuFondLogo")},
    {Item::BackgroundPicture, QT_TRANSLATE_NOOP3("Menu", "Open background image...", "MenuFondCharger")},
    {Item::PictureSizeMenu, QT_TRANSLATE_NOOP3("Menu", "Size of background image", "MenuImageFondTaille")},
    {Item::PictureSizeNormal, QT_TRANSLATE_NOOP3("Menu", "Normal size", "MenuTailleNormale")},
    {Item::PictureSizeStretched, QT_TRANSLATE_NOOP3("Menu", "Adjusted at the size of the window", "MenuTailleEtiree")},
    {Item::PictureSizeWidth, QT_TRANSLATE_NOOP3("Menu", "Adjusted with the width of the window", "MenuTailleAjusteeLargeur")},
    {Item::PictureSizeHeight, QT_TRANSLATE_NOOP3("Menu", "Adjusted with the height of the window", "MenuTailleAjusteeHauteur")},
    {Item::PictureSize25, QT_TRANSLATE_NOOP3("Menu", "25%", "MenuTaille25pc")},
    {Item::PictureSize50, QT_TRANSLATE_NOOP3("Menu", "50%", "MenuTaille50pc")},
    {Item::PictureSize75, QT_TRANSLATE_NOOP3("Menu", "75%", "MenuTaille75pc")},
    {Item::PictureSize100, QT_TRANSLATE_NOOP3("Menu", "100%", "MenuTaille100pc")},
    {Item::PictureSize150, QT_TRANSLATE_NOOP3("Menu", "150%", "MenuTaille150pc")},
    {Item::PictureSize200, QT_TRANSLATE_NOOP3("Menu", "200%", "MenuTaille200pc")},
    {Item::PicturePlaceMenu, QT_TRANSLATE_NOOP3("Menu", "Position of the background image", "MenuImageFondPosition")},
    {Item::PictureLeft, QT_TRANSLATE_NOOP3("Menu", "Aligned on the left", "MenuPositionGauche")},
    {Item::PictureCentredAcross, QT_TRANSLATE_NOOP3("Menu", "Centered horizontally", "MenuPositionCentreH")},
    {Item::PictureRight, QT_TRANSLATE_NOOP3("Menu", "Aligned on the right", "MenuPositionDroite")},
    {Item::PictureTop, QT_TRANSLATE_NOOP3("Menu", "Aligned in top", "MenuPositionHaut")},
    {Item::PictureCentredDown, QT_TRANSLATE_NOOP3("Menu", "Centered vertically", "MenuPositionCentreV")},
    {Item::PictureBottom, QT_TRANSLATE_NOOP3("Menu", "Aligned in bottom", "MenuPositionBas")},
    {Item::PictureOptionsMenu, QT_TRANSLATE_NOOP3("Menu", "Options of the background image", "MenuImageFondOptions")},
    {Item::PictureTiled, QT_TRANSLATE_NOOP3("Menu", "Tiled image", "MenuOptionsMosaique")},
    {Item::PictureGreyscale, QT_TRANSLATE_NOOP3("Menu", "Black and white image", "MenuOptionsNoirEtBlanc")},
    {Item::PictureNegative, QT_TRANSLATE_NOOP3("Menu", "Negative image", "MenuOptionsNegatif")},
    {Item::BorderColour, QT_TRANSLATE_NOOP3("Menu", "Color of the contour of the image...", "MenuCouleurBordure")},
    {Item::DisplayMenu, QT_TRANSLATE_NOOP3("Menu", "Scoreboard", "MenuAffichage")},
    {Item::ShowCounters, QT_TRANSLATE_NOOP3("Menu", "Show the meters", "MenuAffCompteurs")},
    {Item::ShowNextCapsule, QT_TRANSLATE_NOOP3("Menu", "Show the following capsule", "MenuAffPieceSuivante")},
    {Item::MessageLook, QT_TRANSLATE_NOOP3("Menu", "Color and font of the messages...", "MenuCouleurTexte")},
    {Item::Configuration, QT_TRANSLATE_NOOP3("Menu", "&Configuration...", "MenuConfig")},
    {Item::KeysAndGamepad, QT_TRANSLATE_NOOP3("Menu", "&Keys and gamepad...", "MenuTouches")},
    {Item::HelpMenu, QT_TRANSLATE_NOOP3("Menu", "&?", "MenuPtInterro")},
    {Item::Help, QT_TRANSLATE_NOOP3("Menu", "&Help", "MenuAide")},
    {Item::About, QT_TRANSLATE_NOOP3("Menu", "About...", "MenuAPropos")},
    {Item::Demonstration, QT_TRANSLATE_NOOP3("Menu", "&Demo", "MenuDemo")},
    {Item::TrayRestore, QT_TRANSLATE_NOOP3("Menu", "Take again the game", "MenuPopupPanicRestaurer")},
    {Item::TrayQuit, QT_TRANSLATE_NOOP3("Menu", "&Quit", "MenuPopupQuitter")},
};
// clang-format on
} // namespace

// Each row in the items' order, so that an item's caption is found by its number.
constexpr bool inItemOrder() {
    for (int i = 0; i < CaptionedItems; ++i)
        if (table[i].item != static_cast<Item>(i)) return false;
    return std::size(table) == CaptionedItems;
}
static_assert(inItemOrder());

std::span<const ItemCaption> menuCaptions() {
    return table;
}

QString caption(const Caption& text) {
    return QCoreApplication::translate("Menu", text.source, text.comment);
}

QString caption(Item item) {
    return static_cast<int>(item) < CaptionedItems ? caption(table[static_cast<int>(item)].text)
                                                   : QString();
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

QString networkLineName() {
    return matchText(QT_TRANSLATE_NOOP("Match", "Over the network"));
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
