// The help page: how to play, the keys, the automatic pause and the scores. Its text is one
// message for translators: keep the markup as it is.
#include "dialog_captions.h"

#include <QCoreApplication>

namespace kp {

namespace {

const char* const kStyle =
    "<style>"
    "h3 { color: #1c3f94; font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }"
    "p { margin-top: 2px; margin-bottom: 4px; }"
    "td { padding: 1px 6px; }"
    "td.k { font-weight: bold; color: #5a2a00; white-space: nowrap; }"
    "</style>";

const char* const kText = QT_TRANSLATE_NOOP("Help", R"(
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
)");

} // namespace

QString helpText() {
    return QString::fromUtf8(kStyle) + QCoreApplication::translate("Help", kText);
}

} // namespace kp
