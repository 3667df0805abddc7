#include "captions.h"

#include <array>
#include <cstring>

namespace kp {

namespace {
// clang-format off
constexpr Caption table[] = {
    {"MenuFichier", "&Fichier", "&File"},
    {"MenuNouveauJeu", "&Nouvelle partie", "&New game"},
    {"MenuRecommencerNiveau", "&Recommencer niveau", "&Restart level"},
    {"MenuPasserNiveau", "&Passer niveau", "&Jump level"},
    {"MenuPause", "P&ause", "P&aused"},
    {"MenuPanic", "Panic&!", "Panic&!"},
    {"MenuOuvrir", "&Ouvrir une partie...", "&Open game..."},
    {"MenuEnregistrerSous", "&Enregistrer la partie sous...", "&Save game as..."},
    {"MenuRevoir", "Re&voir la dernière partie", "&Watch the last game"},
    {"MenuOuvrirReplay", "Ouvrir un rep&lay...", "Open a re&play..."},
    {"MenuEnregistrerReplay", "Enregistrer le replay so&us...", "Sa&ve the replay as..."},
    {"MenuQuitter", "&Quitter", "&Quit"},
    {"MenuOptions", "&Options", "&Options"},
    {"MenuLangue", "&Langue/Language", "Language/Langue"},
    {"MenuLangueFrancais", "&Français/French", "French/Français"},
    {"MenuLangueAnglais", "&Anglais/English", "English/Anglais"},
    {"MenuAnimVirus", "Animation des smile&ys", "Animation of the smileys"},
    {"MenuAnimVirusPasAnim", "&Pas d'animation", "No animation"},
    {"MenuAnimVirusLente", "&Lente", "Slow"},
    {"MenuAnimVirusMoyenne", "&Moyenne", "Average"},
    {"MenuAnimVirusRapide", "&Rapide", "Fast"},
    {"MenuAnimSuppr", "Animation des &éliminations de smileys", "Animation of eliminations of smileys"},
    {"MenuAnimSupprPasAnim", "&Pas d'animation", "No animation"},
    {"MenuAnimSupprLente", "&Lente", "Slow"},
    {"MenuAnimSupprMoyenne", "&Moyenne", "Average"},
    {"MenuAnimSupprRapide", "&Rapide", "Fast"},
    {"MenuAnimSupprOptions", "&Options", "Options"},
    {"MenuAnimSupprTremblement", "&Tremblements de la fenêtre", "Tremors of the window"},
    {"MenuSmileyTaille", "Tai&lle des smileys", "Size of the smileys"},
    {"MenuSmileyTailleNormale", "&Taille par défaut", "Size by default"},
    {"MenuSmileyTaille50", "50%", "50%"},
    {"MenuSmileyTaille75", "75%", "75%"},
    {"MenuSmileyTaille100", "100%", "100%"},
    {"MenuSmileyTaille150", "150%", "150%"},
    {"MenuSmileyTaille200", "200%", "200%"},
    {"MenuSmileyTaille300", "300%", "300%"},
    {"MenuSmileyCouleur", "&Couleurs des smileys", "Colors of the smileys"},
    {"MenuSmileyCouleurOrigine", "&Couleurs par défaut", "Colors by default"},
    {"MenuSmileyCouleur0", "&1ère couleur de smileys...", "1st color of smiley..."},
    {"MenuSmileyCouleur1", "&2ème couleur de smileys...", "2nd color of smiley..."},
    {"MenuSmileyCouleur2", "&3ème couleur de smileys...", "3rd color of smiley..."},
    {"MenuSmileyCouleur3", "&4ème couleur de smileys...", "4th color of smiley..."},
    {"MenuSmileyCouleur4", "&5ème couleur de smileys...", "5th color of smiley..."},
    {"MenuSymbolesCouleur", "&Symboles de couleur", "Colour &symbols"},
    {"MenuPinup", "Pin-&up", "Pinup"},
    {"MenuPinupPas", "&Pas de pin-up", "No pinup"},
    {"MenuPinUp1", "Pin-up de &gauche", "Pinup of left-hand side"},
    {"MenuPinup2", "Pin-up de &droite", "Pinup of right-hand side"},
    {"MenuPinupToutes", "Les &deux", "Both"},
    {"MenuSon", "&Son", "Sound"},
    {"MenuSonPasDeSon", "&Pas de son", "No sound"},
    {"MenuSonHautParleur", "&Hauts-parleurs", "Loudspeakers"},
    {"MenuSonPCSpeaker", "PC &Speaker", "PC Speaker"},
    {"MenuSonVolume", "&Volume", "Volume"},
    {"MenuSonVolumeFaible", "&Faible", "Low"},
    {"MenuSonVolumeMoyen", "&Moyen", "Medium"},
    {"MenuSonVolumeFort", "F&ort", "High"},
    {"MenuMusique", "&Musique", "Music"},
    {"MenuMusiquePas", "&Pas de musique", "No music"},
    {"MenuMusiqueVolume", "&Volume", "Volume"},
    {"MenuMusiqueVolumeFaible", "&Faible", "Low"},
    {"MenuMusiqueVolumeMoyen", "&Moyen", "Medium"},
    {"MenuMusiqueVolumeFort", "F&ort", "High"},
    {"MenuMusiqueOptions", "&Options", "Options"},
    {"MenuMusiqueBoucle", "&Lecture en boucle", "Playing in loop"},
    {"MenuFond", "&Fond", "Background"},
    {"MenuFondUni", "Fond &uni...", "Uniform background..."},
    {"MenuFondDegrade", "Fond &dégradé...", "Range background..."},
    {"MenuFondLogo", "Fond &Kembrolla Panic!", "&Kembrolla Panic! background"},
    {"MenuFondCharger", "&Ouvrir une image de fond...", "Open background image..."},
    {"MenuImageFondTaille", "&Taille de l'image de fond", "Size of background image"},
    {"MenuTailleNormale", "Taille &normale", "Normal size"},
    {"MenuTailleEtiree", "Ajustée à la &taille de la fenêtre", "Adjusted at the size of the window"},
    {"MenuTailleAjusteeLargeur", "Ajustée à la &largeur de la fenêtre", "Adjusted with the width of the window"},
    {"MenuTailleAjusteeHauteur", "Ajustée à la &hauteur de la fenêtre", "Adjusted with the height of the window"},
    {"MenuTaille25pc", "25%", "25%"},
    {"MenuTaille50pc", "50%", "50%"},
    {"MenuTaille75pc", "75%", "75%"},
    {"MenuTaille100pc", "100%", "100%"},
    {"MenuTaille150pc", "150%", "150%"},
    {"MenuTaille200pc", "200%", "200%"},
    {"MenuImageFondPosition", "&Position de l'image de fond", "Position of the background image"},
    {"MenuPositionGauche", "Aligné à &gauche", "Aligned on the left"},
    {"MenuPositionCentreH", "Centré &horizontalement", "Centered horizontally"},
    {"MenuPositionDroite", "Aligné à &droite", "Aligned on the right"},
    {"MenuPositionHaut", "Aligné en &haut", "Aligned in top"},
    {"MenuPositionCentreV", "Centré &verticalement", "Centered vertically"},
    {"MenuPositionBas", "Aligné en &bas", "Aligned in bottom"},
    {"MenuImageFondOptions", "Options de l'image de fond", "Options of the background image"},
    {"MenuOptionsMosaique", "Image &mosaïquée", "Tiled image"},
    {"MenuOptionsNoirEtBlanc", "Image en &noir et blanc", "Black and white image"},
    {"MenuOptionsNegatif", "Image en né&gatif", "Negative image"},
    {"MenuCouleurBordure", "Couleur du &contour de l'image...", "Color of the contour of the image..."},
    {"MenuAffichage", "&Tableau de bord", "Scoreboard"},
    {"MenuAffCompteurs", "Afficher les &compteurs", "Show the meters"},
    {"MenuAffPieceSuivante", "Afficher la &pièce suivante", "Show the following capsule"},
    {"MenuCouleurTexte", "Couleur et police des &messages...", "Color and font of the messages..."},
    {"MenuConfig", "&Configuration...", "&Configuration..."},
    {"MenuTouches", "T&ouches et manette...", "&Keys and gamepad..."},
    {"MenuPtInterro", "&?", "&?"},
    {"MenuAide", "&Aide", "&Help"},
    {"MenuAPropos", "A &propos de...", "About..."},
    {"MenuPopupPanicRestaurer", "&Reprendre la partie", "Take again the game"},
    {"MenuPopupQuitter", "&Quitter", "&Quit"},
};
// clang-format on
} // namespace

std::span<const Caption> menuCaptions() {
    return table;
}

QString caption(const char* id, Language language) {
    for (const Caption& c : table)
        if (std::strcmp(c.id, id) == 0)
            return QString::fromUtf8(language == Language::English ? c.en : c.fr);
    return QString::fromUtf8(id);
}

QString pauseMessage(Language language) {
    return language == Language::English ? QStringLiteral("Paused") : QStringLiteral("Pause");
}

QString musicFailure(Language language) {
    return language == Language::French ? QStringLiteral("Lecture impossible.")
                                        : QStringLiteral("Impossible playing.");
}

QString lostMessage(Language language) {
    return language == Language::English ? QStringLiteral("Failed !") : QStringLiteral("Perdu !");
}

QString levelMessage(Language language, int level) {
    return (language == Language::English ? QStringLiteral("Level ") : QStringLiteral("Niveau ")) +
           QString::number(level);
}

} // namespace kp
