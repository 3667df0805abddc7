// The help page: how to play, the keys, the automatic pause and the scores, in French and in
// English. Both texts say the same thing; keep them in step when the game changes.
#include "dialog_captions.h"

namespace kp {

namespace {

const char* const kStyle =
    "<style>"
    "h3 { color: #1c3f94; font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }"
    "p { margin-top: 2px; margin-bottom: 4px; }"
    "td { padding: 1px 6px; }"
    "td.k { font-weight: bold; color: #5a2a00; white-space: nowrap; }"
    "</style>";

const char* const kFrench = R"(
<h3 style="margin-top: 0px">PRINCIPES DU JEU :</h3>
<p>Des gélules bicolores tombent une à une dans le puits. Déplacez-les et faites-les tourner
pour les empiler de façon à former des alignements de <b>4 cases de la même couleur</b>,
horizontalement ou verticalement (ce nombre se règle dans la page Configuration). Les cases
alignées disparaissent, et avec elles les smileys qui en font partie&nbsp;; les moitiés de
gélules qui ne reposent plus sur rien tombent alors, ce qui peut provoquer de nouveaux
alignements en cascade.</p>
<p>Éliminez <b>tous les smileys</b> pour passer au niveau suivant. Chaque niveau apporte des
smileys en plus, sur davantage de lignes, et les gélules y tombent plus vite. La gélule
suivante s'affiche au-dessus du puits.</p>
<p>La partie est <b>perdue</b> quand la pile atteint le haut du puits et qu'aucune gélule ne
peut plus descendre.</p>

<h3>TOUCHES :</h3>
<table cellspacing="0">
<tr><td class="k">Flèche gauche, 4</td><td>Déplacement de la gélule vers la gauche</td></tr>
<tr><td class="k">Flèche droite, 6</td><td>Déplacement de la gélule vers la droite</td></tr>
<tr><td class="k">Flèche bas, 2</td><td>Déplacement de la gélule vers le bas</td></tr>
<tr><td class="k">Flèche haut, 8, 5</td><td>Rotation de la gélule</td></tr>
<tr><td class="k">Espace, 0</td><td>Déplacement rapide de la gélule vers le bas</td></tr>
<tr><td class="k">Échap, Entrée</td><td>Panic!</td></tr>
</table>
<p>Les chiffres sont ceux du pavé numérique. <b>Panic!</b> cache le jeu aussitôt, en pause et
sans un bruit, et ne laisse qu'une icône dans la zone de notification&nbsp;: cliquez sur
l'icône, ou choisissez «&nbsp;Reprendre la partie&nbsp;» dans son menu, pour revenir au jeu.
Sur un bureau sans zone de notification, la fenêtre est réduite quand le bureau le permet et ne
montre plus que la couleur de la bordure&nbsp;: revenez-y par la barre des tâches, le dock ou
Alt+Tab, ou, si elle est restée à l'écran, par un clic ou une touche.</p>
<p>Raccourcis du menu&nbsp;: <b>F1</b> cette aide, <b>F2</b> nouvelle partie, <b>F3</b>
recommencer le niveau, <b>F4</b> passer au niveau suivant, <b>F5</b> pause.</p>
<p>Ce sont les touches d'origine&nbsp;: l'onglet <b>Touches</b> (menu Options, «&nbsp;Touches
et manette...&nbsp;») permet de choisir les vôtres, et la répétition d'une direction tenue. Une
manette se branche à tout moment&nbsp;: la croix ou le stick déplacent la gélule, A la tourne,
B la lâche, Start met en pause, Select cache le jeu.</p>

<h3>PAUSE AUTOMATIQUE :</h3>
<p>Le jeu se met de lui-même en pause au début de chaque niveau (le message «&nbsp;Niveau&nbsp;»
s'affiche) et dès que sa fenêtre n'est plus la fenêtre active, par exemple quand vous passez
à un autre programme ou que vous ouvrez cette boîte. <b>N'importe quelle touche</b> relance la
partie, et agit aussitôt&nbsp;: une flèche déplace déjà la gélule. La touche F5 met en pause et
relance à volonté.</p>

<h3>SCORES&nbsp; :</h3>
<p>Le score se lit sur les compteurs au-dessus du puits&nbsp;: <b>à gauche le niveau</b>
atteint, <b>à droite le nombre de smileys</b> qui restent (au milieu, le temps de jeu). Le
meilleur score est celui du niveau le plus élevé et, à niveau égal, celui qui laisse le moins de
smileys.</p>
<p>Après «&nbsp;Recommencer niveau&nbsp;» ou «&nbsp;Passer niveau&nbsp;», le score est masqué et
ne peut entrer au tableau qu'une fois le niveau suivant entièrement terminé.</p>
<p>Quand une partie perdue fait partie des 3 meilleures, le jeu vous demande votre nom. Le
tableau des 3 meilleurs scores se trouve dans la page «&nbsp;A propos&nbsp;».</p>
)";

const char* const kEnglish = R"(
<h3 style="margin-top: 0px">PRINCIPLES OF THE GAME :</h3>
<p>Two-coloured capsules fall into the well one at a time. Move and turn them so that they pile
up into runs of <b>4 cells of the same colour</b>, horizontally or vertically (the number can be
changed on the Configuration page). The cells of a run disappear, and the smileys in it with
them; capsule halves that are left with nothing underneath then fall, which may complete more
runs in a chain.</p>
<p>Clear <b>every smiley</b> to reach the next level. Each level brings more smileys, spread
over more lines, and the capsules fall faster. The next capsule is shown above the well.</p>
<p>The game is <b>lost</b> when the pile reaches the top of the well and no capsule can come
down any more.</p>

<h3>KEYS :</h3>
<table cellspacing="0">
<tr><td class="k">Left arrow, 4</td><td>Move the capsule to the left</td></tr>
<tr><td class="k">Right arrow, 6</td><td>Move the capsule to the right</td></tr>
<tr><td class="k">Down arrow, 2</td><td>Move the capsule down</td></tr>
<tr><td class="k">Up arrow, 8, 5</td><td>Turn the capsule</td></tr>
<tr><td class="k">Space, 0</td><td>Drop the capsule quickly</td></tr>
<tr><td class="k">Escape, Enter</td><td>Panic!</td></tr>
</table>
<p>The digits are those of the numeric keypad. <b>Panic!</b> hides the game at once, paused
and silent, leaving only an icon in the notification area: click the icon, or choose "Take
again the game" in its menu, to come back. On a desktop with no notification area the window
is minimised where the desktop allows it and shows nothing but the border colour: come back
through the taskbar, the dock or Alt+Tab, or, if it stayed on screen, with a click or a key.</p>
<p>Menu shortcuts: <b>F1</b> this help, <b>F2</b> new game, <b>F3</b> restart the level,
<b>F4</b> jump to the next level, <b>F5</b> pause.</p>
<p>Those are the keys out of the box: the <b>Keys</b> tab (Options menu, "Keys and
gamepad...") lets you choose your own, and how a held direction repeats. A gamepad can be
plugged in at any time: the d-pad or the stick move the capsule, A turns it, B drops it, Start
pauses, Select hides the game.</p>

<h3>AUTOMATIC PAUSE :</h3>
<p>The game pauses by itself at the start of every level (the "Level" message shows) and as
soon as its window is no longer the active one, for instance when you switch to another program
or open this box. <b>Any key</b> resumes the game and acts at once: an arrow already moves the
capsule. F5 pauses and resumes whenever you like.</p>

<h3>SCORES&nbsp; :</h3>
<p>The score is read on the counters above the well: <b>the level</b> reached <b>on the
left</b>, <b>the number of smileys</b> left <b>on the right</b> (the playing time is in the
middle). The best score is the highest level and, for the same level, the one that leaves the
fewest smileys.</p>
<p>After "Restart level" or "Jump level", the score is hidden and can only enter the table once
the next level has been fully completed.</p>
<p>When a lost game is among the 3 best, the game asks for your name. The table of the 3 best
scores is on the "About" page.</p>
)";

} // namespace

QString helpText(Language language) {
    return QString::fromUtf8(kStyle) +
           QString::fromUtf8(language == Language::English ? kEnglish : kFrench);
}

} // namespace kp
