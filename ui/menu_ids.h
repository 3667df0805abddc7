#pragma once
// The radio groups of the menus whose n-th item stands for the setting's value n.

#include <array>

namespace kp::ids {

inline constexpr std::array<const char*, 4> smileyAnimationMenu{
    "MenuAnimVirusPasAnim", "MenuAnimVirusLente", "MenuAnimVirusMoyenne", "MenuAnimVirusRapide"};
inline constexpr std::array<const char*, 4> removalAnimationMenu{
    "MenuAnimSupprPasAnim", "MenuAnimSupprLente", "MenuAnimSupprMoyenne", "MenuAnimSupprRapide"};
inline constexpr std::array<const char*, 4> pinup{"MenuPinupPas", "MenuPinUp1", "MenuPinup2",
                                                  "MenuPinupToutes"};
inline constexpr std::array<const char*, 3> output{"MenuSonPasDeSon", "MenuSonHautParleur",
                                                   "MenuSonPCSpeaker"};
inline constexpr std::array<const char*, 3> waveVolume{"MenuSonVolumeFaible", "MenuSonVolumeMoyen",
                                                       "MenuSonVolumeFort"};
inline constexpr std::array<const char*, 3> midiVolume{
    "MenuMusiqueVolumeFaible", "MenuMusiqueVolumeMoyen", "MenuMusiqueVolumeFort"};
inline constexpr std::array<const char*, 3> positionH{"MenuPositionGauche", "MenuPositionCentreH",
                                                      "MenuPositionDroite"};
inline constexpr std::array<const char*, 3> positionV{"MenuPositionHaut", "MenuPositionCentreV",
                                                      "MenuPositionBas"};
// The menu items whose shortcut is the game's own rather than one of the player's keys, with
// that key's portable name: the keys page gives these keys to no action.
struct FixedShortcut {
    const char* item;
    const char* key;
};
inline constexpr std::array<FixedShortcut, 1> fixedShortcuts{{{"MenuAide", "F1"}}};
// "SmileyTaille" 0..5 (the "100%" item also stands for 0 but is not listed here).
inline constexpr std::array<const char*, 6> smileySize{
    "MenuSmileyTailleNormale", "MenuSmileyTaille50",  "MenuSmileyTaille75",
    "MenuSmileyTaille150",     "MenuSmileyTaille200", "MenuSmileyTaille300"};
// "ImageFondTaille" 0..8 (the "100%" item also stands for 0 and never shows a mark).
inline constexpr std::array<const char*, 9> pictureSizeItems{
    "MenuTailleNormale",        "MenuTailleEtiree", "MenuTailleAjusteeLargeur",
    "MenuTailleAjusteeHauteur", "MenuTaille25pc",   "MenuTaille50pc",
    "MenuTaille75pc",           "MenuTaille150pc",  "MenuTaille200pc"};

} // namespace kp::ids
