#!/bin/sh
# End-to-end checks of the real program: it runs under a virtual X display, is driven with
# xdotool like a player would, and is judged only by what it writes and what the screen shows.
#   tests/e2e/run.sh PATH/TO/kembrolla-panic
# Exit status: 0 all checks passed, 1 a check failed, 77 no virtual display could be started.
# KP_E2E_KEEP=1 keeps the screenshots, logs and settings files in the scratch folder it names.
set -u
[ $# -eq 1 ] || {
    echo "usage: $0 PATH/TO/kembrolla-panic" >&2
    exit 2
}

bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-e2e.XXXXXX")
xvfb=""
game=""
failures=0

cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    if [ -n "${KP_E2E_KEEP:-}" ]; then
        echo "kept: $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

for tool in xdotool xwininfo xprop import convert cmp jwm; do
    command -v "$tool" >/dev/null || {
        echo "missing tool: $tool (scripts/packages-test.txt lists it)"
        exit 1
    }
done

# ---- The virtual display: Xvfb picks a free display number and tells it through fd 3 ----
if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit 77
fi
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
i=0
while [ ! -s "$work/display" ] && [ $i -lt 50 ] && kill -0 "$xvfb" 2>/dev/null; do
    sleep 0.1
    i=$((i + 1))
done
if [ ! -s "$work/display" ]; then
    echo "SKIP: Xvfb could not start:"
    cat "$work/xvfb.log"
    exit 77
fi
DISPLAY=:$(cat "$work/display")
export DISPLAY
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# The game plays silently (no sound server to find) and touches no desktop session's files.
export PULSE_SERVER=unix:/nonexistent/kp-no-sound-server
export XDG_RUNTIME_DIR="$work/runtime"
# Under AddressSanitizer, leaks of system libraries are not the game's.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"
mkdir -m 700 "$XDG_RUNTIME_DIR"

title='^Kembrolla Panic!$'

# ---- Helpers ----

# start_game NAME [ARG...]: starts the program with its own settings folder $work/NAME, waits
# for its window and sets $win, $wx, $wy, $ww, $wh (the window's place and size, menu included).
start_game() {
    name=$1
    shift
    mkdir -p "$work/$name/kembrolla-panic"
    # (French on a first start, whatever the desktop's language.)
    LANGUAGE=fr XDG_CONFIG_HOME="$work/$name" "$bin" "$@" >"$work/$name.log" 2>&1 &
    game=$!
    win=""
    i=0
    while [ -z "$win" ] && [ $i -lt 600 ]; do
        win=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
        [ -n "$win" ] || sleep 0.1
        i=$((i + 1))
    done
    if [ -z "$win" ]; then
        fail "$name: no window appeared"
        kill "$game" 2>/dev/null
        wait "$game" 2>/dev/null
        game=""
        cat "$work/$name.log"
        return 1
    fi
    measure "$win"
}

measure() {
    info=$(xwininfo -id "$1")
    wx=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    wy=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    ww=$(echo "$info" | sed -n 's/^ *Width: *//p')
    wh=$(echo "$info" | sed -n 's/^ *Height: *//p')
}

# The visible top-level windows carrying the game's title (the main window, message boxes).
count_windows() {
    xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l
}
windows_at_least() { [ "$(count_windows)" -ge "$1" ]; }
windows_at_most() { [ "$(count_windows)" -le "$1" ]; }

key() {
    xdotool windowfocus --sync "$win" key "$1"
    sleep 0.3
}

# quit_game: "&Quitter" from the "&Fichier" menu (the same letters in English), which runs the
# window's normal close; then the program must end with status 0.
quit_game() {
    key alt+f
    key q
    i=0
    while kill -0 "$game" 2>/dev/null && [ $i -lt 300 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    if kill -0 "$game" 2>/dev/null; then
        fail "$name: the game did not end after Fichier > Quitter"
        kill "$game"
        wait "$game"
    else
        wait "$game"
        status=$?
        if [ $status -ne 0 ]; then
            fail "$name: the game ended with status $status"
            cat "$work/$name.log"
        fi
        # Start-up reads on a second thread: Qt must still take this one for the main thread.
        if grep -q "not created in the main() thread\|in a different thread" "$work/$name.log"; then
            fail "$name: Qt reports objects in the wrong thread"
            cat "$work/$name.log"
        fi
    fi
    game=""
}

# stop_game: the game must still be running (a crash would end it), then it is ended.
stop_game() {
    if kill -0 "$game" 2>/dev/null; then
        kill "$game"
        wait "$game" 2>/dev/null
    else
        wait "$game"
        fail "$name: the game ended by itself with status $?"
        cat "$work/$name.log"
    fi
    game=""
}

shot() { import -window root "$work/$1.png"; }

# within SECONDS COMMAND...: runs COMMAND every 0.2 s until it succeeds, for SECONDS at most,
# so that a slow machine (or a sanitizer build) gets the time to draw. However few SECONDS say,
# it gives up only after 30: a busy machine is slow, and the limit only guards against a hang.
within() {
    tries=$(($1 > 30 ? $1 * 5 : 150))
    shift
    while ! "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.2
    done
}

# The screenshot NAME, taken again until its rectangle equals (or differs from) REF's.
shot_same() { # shot_same NAME REF X Y W H
    shot "$1" && same_region "$1" "$2" "$3" "$4" "$5" "$6"
}
shot_differs() {
    shot "$1" && ! same_region "$1" "$2" "$3" "$4" "$5" "$6"
}
# The screenshot NAME, taken again until its message line shows text wider than WIDTH pixels.
shot_message() { # shot_message NAME WIDTH
    shot "$1" && [ "$(message_width "$1")" -gt "$2" ]
}

# region SHOT X Y W H: the raw pixels of a rectangle, in screen coordinates, on stdout.
region() {
    convert "$work/$1.png" -crop "${4}x${5}+${2}+${3}" +repage rgb:-
}

same_region() { # same_region SHOT1 SHOT2 X Y W H
    region "$1" "$3" "$4" "$5" "$6" >"$work/r1.raw"
    region "$2" "$3" "$4" "$5" "$6" >"$work/r2.raw"
    [ -s "$work/r1.raw" ] && cmp -s "$work/r1.raw" "$work/r2.raw"
}

# message_width SHOT: how wide the white text of the message line is (0 when there is none).
message_width() {
    # shellcheck disable=SC2046
    set -- "$1" $(label_band)
    width=$(convert "$work/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -fill black \
        +opaque white -format '%@' info: 2>/dev/null | sed -n 's/^\([0-9]*\)x.*/\1/p')
    echo "${width:-0}"
}

# Mean red, green and blue (0..255) of a rectangle.
mean_rgb() {
    convert "$work/$1.png" -crop "${4}x${5}+${2}+${3}" +repage \
        -format '%[fx:int(255*mean.r)] %[fx:int(255*mean.g)] %[fx:int(255*mean.b)]' info:
}

# Settings files are compared key by key, in order; blank lines do not matter.
settings_text() { sed -e 's/\r$//' -e '/^$/d' "$1"; }

settings_file() { echo "$work/$1/kembrolla-panic/kembrolla-panic.ini"; }

# The default board (8 columns, 18 rows, 16-pixel cells, both bands) has a 130 x 342 client area;
# the window adds the menu bar above it, measured on the first start.
menu=""
# Client coordinates of the default board: the board starts at y 52; cell (row r, column c)
# covers x 1 + (c-1) x 16 and y 53 + (r-1) x 16, 16 pixels square. The message line sits at
# the board's top; its band is checked over the board's inner width.
board_top=52
label_band() { echo "$((wx + 2)) $((wy + menu + board_top + 1)) 126 22"; }
counter_band() { echo "$((wx + 1)) $((wy + menu + 1)) 128 24"; }

# ---- 1. The first start with no settings writes every key with its default at close ----
if start_game first; then
    menu=$((wh - 342))
    if [ "$ww" -ne 130 ] || [ "$menu" -lt 10 ] || [ "$menu" -gt 60 ]; then
        fail "default window is ${ww}x${wh}: expected a 130 x 342 client area under the menu bar"
        menu=""
    fi
    # The reference picture of a fresh start: drawn once the level message is up.
    [ -z "$menu" ] || within 5 shot_message first 40 || fail "first start: no level message"
    quit_game
    file=$(settings_file first)
    if [ ! -f "$file" ]; then
        fail "no settings file was written at close"
    elif settings_text "$here/defaults.ini" >"$work/want" && settings_text "$file" >"$work/got" &&
        diff -u "$work/want" "$work/got"; then
        pass "first start writes the default settings"
    else
        fail "the settings written at close differ from the defaults"
    fi
fi

# ---- 2. Out-of-range values read as their defaults and are written back corrected ----
settings_text "$here/defaults.ini" | sed \
    -e 's/^Fond=.*/Fond=7/' -e 's/^Son=.*/Son=3/' -e 's/^Musique=.*/Musique=6/' \
    -e 's/^Langue=.*/Langue=9/' -e 's/^AnimationVirus=.*/AnimationVirus=-1/' \
    -e 's/^SmileyTaille=.*/SmileyTaille=9/' -e 's/^AffCompteurs=.*/AffCompteurs=5/' \
    -e 's/^ImageFondTaille=.*/ImageFondTaille=x12/' \
    -e 's/^CouleurFondUni=.*/CouleurFondUni=-5/' -e 's/^Mosaique=.*/Mosaique=2/' \
    -e 's/^NbLgn=.*/NbLgn=4/' -e 's/^NbCol=.*/NbCol=100/' -e 's/^TempoDepart=.*/TempoDepart=99/' \
    -e 's/^NbColor=.*/NbColor=6/' -e 's/^MinCasesConsecutives=.*/MinCasesConsecutives=0/' \
    -e 's/^Score01_Niv=.*/Score01_Niv=3/' -e 's/^Score01_Vir=.*/Score01_Vir=7/' \
    -e 's/^Score01_Nom=.*/Score01_Nom=Zoé/' -e 's/^Score01_Dat=.*/Score01_Dat=01\/02\/2026/' \
    >"$work/edited.ini"
mkdir -p "$work/edited/kembrolla-panic"
cp "$work/edited.ini" "$(settings_file edited)"
if start_game edited; then
    if [ -n "$menu" ] && { [ "$ww" -ne 130 ] || [ "$wh" -ne $((342 + menu)) ]; }; then
        fail "out-of-range board size: the window is ${ww}x${wh}, not the default size"
    fi
    quit_game
    # What must come back: the defaults, with the colour and the flag taken as they were
    # (colours are never checked, any non-zero flag is true) and the scores kept.
    settings_text "$here/defaults.ini" | sed \
        -e 's/^CouleurFondUni=.*/CouleurFondUni=-5/' -e 's/^Mosaique=.*/Mosaique=1/' \
        -e 's/^Score01_Niv=.*/Score01_Niv=3/' -e 's/^Score01_Vir=.*/Score01_Vir=7/' \
        -e 's/^Score01_Nom=.*/Score01_Nom=Zoé/' -e 's/^Score01_Dat=.*/Score01_Dat=01\/02\/2026/' \
        >"$work/want"
    settings_text "$(settings_file edited)" >"$work/got"
    if diff -u "$work/want" "$work/got"; then
        pass "out-of-range settings are read as defaults and written back corrected"
    else
        fail "out-of-range settings were not corrected"
    fi
fi

# ---- 3. The window's client size follows the board and the cell size ----
# 10 columns, 20 rows, 24-pixel cells (150 %): 10 x 24 + 2 = 242 wide; the preview band grows
# to 26..60 for the larger cell, so 20 x 24 + 61 + 2 = 543 high.
mkdir -p "$work/size/kembrolla-panic"
printf '[Options]\nSmileyTaille=3\n[Configuration]\nNbLgn=20\nNbCol=10\n' >"$(settings_file size)"
if start_game size; then
    if [ -z "$menu" ]; then
        fail "board size: no menu bar height measured on the first start"
    elif [ "$ww" -eq 242 ] && { [ $((wh - menu)) -eq 543 ] || [ $((wh - menu / 2)) -eq 543 ]; }
    then
        # (The default window is narrow enough to wrap its menu titles onto two rows; this
        # one may hold them on one.)
        pass "a 10 x 20 board of 24-pixel cells has a 242 x 543 client area"
    else
        fail "10 x 20 board of 24-pixel cells: window $ww x $wh, expected a 242 x 543 client area"
    fi
    stop_game
fi

# On a plain black background without smiley animation, cells and messages are easy to read.
plain_settings() {
    mkdir -p "$work/$1/kembrolla-panic"
    printf '[Options]\nFond=0\nCouleurFondUni=0\nAnimationVirus=0\n' >"$(settings_file "$1")"
}

# ---- 4. A corrupt saved game on the command line: its message, then the game goes on ----
plain_settings corruptsave
printf 'Nothing to see here.\n[Other]\n0-0=5\n' >"$work/corrupt.Kembrolla"
if [ -n "$menu" ] && start_game corruptsave "$work/corrupt.Kembrolla"; then
    within 5 windows_at_least 2
    # The game's window has the default size; the other one with the game's title is the box.
    box=""
    for w in $(xdotool search --onlyvisible --name "$title"); do
        measure "$w"
        if [ "$ww" -eq 130 ] && [ "$wh" -eq $((342 + menu)) ]; then win=$w; else box=$w; fi
    done
    measure "$win"
    if [ -z "$box" ]; then
        fail "corrupt saved game: no message box appeared"
    else
        pass "corrupt saved game: a message box appeared"
        xdotool windowfocus --sync "$box" key Return
        within 3 windows_at_most 1 || fail "corrupt saved game: the message box did not close"
    fi
    if kill -0 "$game" 2>/dev/null; then
        # The start-up game waits, paused, under its level message. F5 leaves that pause (the
        # message goes); F2 starts a new game, whose level message comes back.
        within 5 shot_message waiting 40 || fail "corrupt saved game: no level message"
        key F5
        # shellcheck disable=SC2046 # the bands are four numbers
        if ! within 3 shot_differs playing waiting $(label_band); then
            fail "after the message box, F5 did not leave the level-start pause"
        else
            key F2
            if within 3 shot_same newgame waiting $(label_band); then
                pass "after the message box, the game still answers keys (F5, then F2 new game)"
            else
                fail "after the message box, F2 did not start a new game with its level message"
            fi
        fi
    fi
    stop_game
fi

# ---- 5. A saved game on the command line opens paused, with its cells ----
# Level 3, a chrono at 0:12:34, three smileys of colours 0, 1 and 2 (codes -101, -112, -123:
# colour in the tens, animation phase 1 to 4 in the units).
# Its name is not valid UTF-8 (an "é" in Latin-1): file names are bytes, and it must open.
saved=$(printf 'three smileys caf\351.Kembrolla')
plain_settings save
cat >"$work/$saved" <<'EOF'
[Sauvegarde]
Niveau=3
NbVirusRestants=3
Chrono0Tag=0
Chrono1Tag=1
Chrono2Tag=2
Chrono3Tag=3
Chrono4Tag=4
Tricherie=0
0-0=999
18-1=-101
18-8=-112
16-4=-123
EOF
# cell_rect ROW COLUMN: the 12 x 12 inside of a cell, in screen coordinates.
cell_rect() {
    echo "$((wx + 1 + ($2 - 1) * 16 + 2)) $((wy + menu + board_top + 1 + ($1 - 1) * 16 + 2)) 12 12"
}
# check_smiley ROW COLUMN COLOUR: the cell shows a smiley whose strongest channels are those of
# the default smiley colour (0 blue, 1 yellow, 2 magenta).
check_smiley() {
    # shellcheck disable=SC2046
    set -- "$1" "$2" "$3" $(mean_rgb loaded $(cell_rect "$1" "$2"))
    case $3 in
    0) ok=$(($6 > $4 + 40 && $6 > $5)) ;;
    1) ok=$(($4 > $6 + 40 && $5 > $6 + 40)) ;;
    *) ok=$(($4 > $5 + 40 && $6 > $5 + 40)) ;;
    esac
    [ "$ok" -eq 1 ] || fail "saved game: cell $1-$2 (red $4, green $5, blue $6) is no smiley of colour $3"
    return $((1 - ok))
}
cd "$work" || exit 1 # a relative path on the command line is the current folder's file
# The saved game is loaded once its counters differ from a fresh start's (0:00:00, level 1).
# shellcheck disable=SC2046
saved_game_shown() {
    shot loaded && [ "$(message_width loaded)" -gt 20 ] &&
        { [ ! -f "$work/waiting.png" ] || ! same_region loaded waiting $(counter_band); }
}
if [ -n "$menu" ] && start_game save "$saved"; then
    within 5 saved_game_shown || fail "saved game: the counters still show a new game"
    cells=0
    check_smiley 18 1 0 && check_smiley 18 8 1 && check_smiley 16 4 2 && cells=1
    # Every other cell of the lower rows is empty: the start-up game's smileys are gone.
    for row in 12 13 14 15 16 17 18; do
        for col in 1 2 3 4 5 6 7 8; do
            case "$row-$col" in 18-1 | 18-8 | 16-4) continue ;; esac
            # shellcheck disable=SC2046
            rgb=$(mean_rgb loaded $(cell_rect "$row" "$col"))
            [ "$rgb" = "0 0 0" ] || {
                fail "saved game: cell $row-$col should be empty, shows $rgb"
                cells=0
            }
        done
    done
    [ $cells -eq 1 ] && pass "a saved game on the command line opens with its cells"
    # Paused: a message shorter than a level's ("Pause", not "Niveau 3"), and the chrono
    # stands still until a key.
    sleep 2
    shot later
    shown=$(message_width loaded)
    level=0 # the width of "Niveau 1" on the same background, when that check ran
    [ -f "$work/waiting.png" ] && level=$(message_width waiting)
    # shellcheck disable=SC2046
    if [ "$shown" -lt 20 ] || { [ "$level" -gt 0 ] && [ "$shown" -ge $((level - 10)) ]; }; then
        fail "saved game: the message line ($shown pixels wide) is not the pause message"
    elif ! same_region loaded later $(counter_band); then
        fail "saved game: the counters moved while the game should be paused"
    else
        key Left
        if within 4 shot_differs resumed later $(counter_band); then
            pass "a saved game opens paused and a key resumes it"
        else
            fail "saved game: the chrono did not start after a key"
        fi
    fi
    stop_game
fi

# ---- 6. A corrupt JPEG as the start-up picture gives the logo background, silently ----
mkdir -p "$work/jpeg/kembrolla-panic"
printf '\377\330\377\340\000\020JFIF\000 then nothing a decoder can use' >"$work/broken.jpg"
printf '[Options]\nFond=3\nCheminFond1=%s\n' "$work/broken.jpg" >"$(settings_file jpeg)"
if [ -n "$menu" ] && start_game jpeg; then
    # The logo hugs the right edge (53 pixels wide); rows 1 to 13 under the message hold no
    # smiley at level 1, so that part matches the first start's logo background.
    # shellcheck disable=SC2046
    within 5 shot_same jpeg first $((wx + 77)) $((wy + menu + board_top + 25)) 52 184
    logo=$?
    sleep 0.5 # time for a message box, if one were coming
    windows=$(count_windows)
    if [ "$windows" -ne 1 ]; then
        fail "corrupt JPEG: $windows windows instead of the game's one (a message?)"
    elif [ $logo -eq 0 ]; then
        pass "a corrupt start-up JPEG gives the logo background without a message"
    else
        fail "corrupt JPEG: the background is not the logo"
    fi
    quit_game
    grep -qx 'Fond=2' "$(settings_file jpeg)" ||
        fail "corrupt JPEG: the background kind written at close is not the logo (Fond=2)"
fi

# ---- 7. Under a window manager with a notification area ----
# The frame is centred on the free part of the screen; panic stops a hard drop and hides the
# game in the notification area; "Quitter" from the icon's menu ends the program.
wm=""
tray_icon_centre() { # the game's icon in the notification area: "X Y", or nothing
    xwininfo -root -tree |
        sed -n 's/.*"Kembrolla Panic!": (.*)  *\([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]*  *+\([0-9]*\)+\([0-9]*\)$/\1 \2 \3 \4/p' |
        awk '$1 >= 8 && $1 <= 64 && $2 >= 8 && $2 <= 64 { print $3 + int($1 / 2), $4 + int($2 / 2); exit }'
}
tray_icon_shown() { [ -n "$(tray_icon_centre)" ]; }
no_window() { [ "$(count_windows)" -eq 0 ]; }
framed() { xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }
frame_centred() { # the same space (within a pixel) on either side of the frame, both ways
    measure "$win"
    set -- $(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g') # left right top bottom
    set -- "$@" $(xprop -root _NET_WORKAREA | sed 's/.*= *//; s/,//g')    # x y width height
    above=$((wy - $3 - $6))
    below=$(($6 + $8 - (wy + wh + $4)))
    left=$((wx - $1 - $5))
    right=$(($5 + $7 - (wx + ww + $2)))
    [ $((above - below)) -ge -1 ] && [ $((above - below)) -le 1 ] &&
        [ $((left - right)) -ge -1 ] && [ $((left - right)) -le 1 ]
}
jwm >"$work/wm.log" 2>&1 &
wm=$!
mkdir -p "$work/desktop/kembrolla-panic"
printf '[Options]\nAnimationVirus=0\n' >"$(settings_file desktop)"
if ! within 5 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window'; then
    fail "the window manager did not start:"
    cat "$work/wm.log"
elif start_game desktop && within 5 framed; then
    if within 3 frame_centred; then
        pass "the window's frame is centred on the work area"
    else
        fail "frame not centred: $above above, $below below, $left left, $right right"
    fi
    # The lower board (rows 8 to 18) before the capsule comes, smileys still.
    lower="$((wx + 1)) $((wy + menu + board_top + 7 * 16 + 1)) 128 $((11 * 16))"
    shot desktop-before
    key Left # leaves the level's pause; the capsule enters after 650 ms
    sleep 1.2
    xdotool key space Escape
    if ! within 5 no_window || ! within 5 tray_icon_shown; then
        fail "panic: the game was not hidden in the notification area"
    else
        sleep 2
        set -- $(tray_icon_centre)
        xdotool mousemove "$1" "$2" sleep 0.3 click 1
        if ! within 5 windows_at_least 1; then
            fail "a click on the notification-area icon did not bring the game back"
        elif within 3 shot_same desktop-after desktop-before $lower; then
            pass "panic stopped the hard drop: nothing fell while the game was hidden"
        else
            fail "the capsule kept falling while the game was hidden (see desktop-after.png)"
        fi
        measure "$win"
        key Escape
        within 5 no_window
        within 5 tray_icon_shown
        set -- $(tray_icon_centre)
        xdotool mousemove "$1" "$2" sleep 0.3 click 3
        sleep 0.5
        xdotool key q
        if within 5 sh -c "! kill -0 $game 2>/dev/null"; then
            wait "$game"
            status=$?
            game=""
            if [ $status -eq 0 ] && [ -f "$(settings_file desktop)" ] &&
                grep -q '^Langue=' "$(settings_file desktop)"; then
                pass "Quitter from the notification area wrote the settings and ended the program"
            else
                fail "Quitter from the notification area: status $status, settings:"
                cat "$(settings_file desktop)"
            fi
        else
            fail "Quitter from the notification area left the program running, hidden"
        fi
    fi
    [ -z "$game" ] || stop_game
else
    fail "no framed window under the window manager"
fi
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
wm=""

# ---- 7a. A window manager that frames the window late ----
# Started three seconds after the window showed (as one under load frames it), with a taskbar
# that shrinks the work area: the frame ends centred on what is left, its bottom above the bar.
mkdir -p "$work/late/kembrolla-panic"
printf '[Options]\nAnimationVirus=0\n' >"$(settings_file late)"
if start_game late; then
    sleep 3
    jwm -f "$here/notray.jwmrc" >"$work/wm.log" 2>&1 &
    wm=$!
    if within 5 framed && within 5 frame_centred; then
        pass "a window framed late is centred on the work area, frame included"
    else
        fail "framed late, not centred: $above above, $below below, $left left, $right right"
    fi
    stop_game
    kill "$wm" 2>/dev/null
    wait "$wm" 2>/dev/null
    wm=""
fi

# ---- 7b. Under a window manager with a taskbar and no notification area ----
# Panic minimises the window at once; the taskbar brings it back paused. A shake during a
# collapse moves the window itself, 2 pixels down and back, then 1.
jwm -f "$here/notray.jwmrc" >"$work/wm.log" 2>&1 &
wm=$!
# Row 18, columns 1 to 4: four blue smileys, a run already made that the first landing removes;
# a capsule lies on columns 1 and 2 above it and falls once they are gone; a yellow smiley at
# column 8 keeps the level going.
cat >"$work/shake.Kembrolla" <<'SAVE'
[Sauvegarde]
Niveau=1
NbVirusRestants=5
Chrono0Tag=0
Chrono1Tag=0
Chrono2Tag=0
Chrono3Tag=0
Chrono4Tag=0
Tricherie=0
0-0=999
18-1=-101
18-2=-101
18-3=-101
18-4=-101
18-8=-111
17-1=122
17-2=134
SAVE
mkdir -p "$work/notray/kembrolla-panic"
printf '[Options]\nAnimationVirus=0\nTremblement=1\n' >"$(settings_file notray)"
taskbar_entry() { # the middle of the game's taskbar button: the screen's bottom left
    echo "100 $(($(xwininfo -root | sed -n 's/^ *Height: *//p') - 12))"
}
iconic() { xprop -id "$win" WM_STATE 2>/dev/null | grep -q 'state: Iconic'; }
if ! within 5 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window'; then
    fail "the window manager without a notification area did not start:"
    cat "$work/wm.log"
elif start_game notray "$work/shake.Kembrolla" && within 5 framed; then
    lower="$((wx + 1)) $((wy + menu + board_top + 7 * 16 + 1)) 128 $((11 * 16))"
    # The saved game drawn (its blue smileys along the bottom row), and drawn whole: two
    # screenshots alike.
    # shellcheck disable=SC2046
    saved_board_drawn() {
        shot notray-before && set -- $(mean_rgb notray-before $(cell_rect 18 2)) &&
            [ "$3" -gt $(($1 + 40)) ] && shot_same notray-again notray-before $lower
    }
    within 10 saved_board_drawn || fail "no notification area: the saved game did not show"
    xdotool windowfocus --sync "$win" key Escape
    if ! within 5 iconic || ! within 5 no_window; then
        fail "panic without a notification area: the window was not minimised"
    else
        sleep 1
        # shellcheck disable=SC2046
        xdotool mousemove $(taskbar_entry) sleep 0.3 click 1
        if ! within 5 windows_at_least 1; then
            fail "the taskbar did not bring the game back after panic"
        elif within 3 shot_same notray-after notray-before $lower; then
            pass "panic without a notification area minimised the game; the taskbar brought it back paused"
        else
            fail "after panic without a notification area the board is not as it was (see notray-after.png)"
        fi
    fi
    # Leaves the pause and drops the capsule: the landing removes the run, the capsule above
    # falls and the window shakes. Its place is read as fast as xwininfo goes meanwhile.
    measure "$win"
    rest=$wy
    xdotool windowfocus --sync "$win" key Left sleep 1 key space
    lowest=$rest
    tries=0
    while [ $tries -lt 300 ] && [ "$lowest" -eq "$rest" ]; do
        measure "$win"
        [ "$wy" -gt "$lowest" ] && lowest=$wy
        tries=$((tries + 1))
    done
    sleep 0.6
    measure "$win"
    if [ "$lowest" -gt "$rest" ] && [ "$lowest" -le $((rest + 2)) ] && [ "$wy" -eq "$rest" ]; then
        pass "the shake moved the window $((lowest - rest)) pixels down and back"
    else
        fail "shake: the window went from y $rest to y $lowest and rests at y $wy"
    fi
    stop_game
else
    fail "no framed window under the window manager without a notification area"
fi
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
wm=""

# ---- 8. A remapped key moves the capsule; the key it replaced no longer does ----
# Left is J alone; the fall is slow. Column 3, left of the capsule that enters at columns 4
# and 5, stays black until the capsule moves into it.
mkdir -p "$work/remap/kembrolla-panic"
printf '[Options]\nFond=0\nCouleurFondUni=0\nAnimationVirus=0\n[Configuration]\nTempoDepart=999\nNbVirusLignes=1\n[Touches]\nGauche1=J\nGauche2=\n' \
    >"$(settings_file remap)"
# column_lit SHOT: whether column 3, rows 1 to 8, shows anything but the black background.
column_lit() {
    # shellcheck disable=SC2046
    [ "$(mean_rgb "$1" $((wx + 1 + 2 * 16 + 2)) $((wy + menu + board_top + 3)) 12 124)" != "0 0 0" ]
}
capsule_in_view() { # the capsule has entered row 1 (columns 4 and 5 are lit)
    # shellcheck disable=SC2046
    shot entering && [ "$(mean_rgb entering $((wx + 1 + 3 * 16 + 2)) $((wy + menu + board_top + 3)) 28 12)" != "0 0 0" ]
}
if [ -n "$menu" ] && start_game remap; then
    key x # any key leaves the level-start pause
    if ! within 5 capsule_in_view; then
        fail "remapped keys: no capsule entered the board"
    else
        key Left
        shot oldkey
        key j
        shot newkey
        if column_lit oldkey; then
            fail "remapped keys: Left still moved the capsule after it was given another key"
        elif ! column_lit newkey; then
            fail "remapped keys: J, the new key for Left, did not move the capsule"
        else
            pass "a remapped key moves the capsule and the key it replaced no longer does"
        fi
    fi
    stop_game
fi

# ---- 9. The command line: a usage message for what cannot be used, before any window ----
usage_check() { # usage_check WHAT ARG...
    what=$1
    shift
    XDG_CONFIG_HOME="$work/usage" timeout 10 "$bin" "$@" >"$work/usage.out" 2>"$work/usage.err"
    status=$?
    if [ $status -ne 2 ]; then
        fail "$what: exit status $status, expected 2"
    elif [ "$(wc -l <"$work/usage.err")" -ne 1 ] || ! grep -qi usage "$work/usage.err"; then
        fail "$what: standard error is not one usage line:"
        cat "$work/usage.err"
    elif [ -s "$work/usage.out" ] || [ -e "$work/usage" ]; then
        fail "$what: the program went further than its usage message"
    else
        pass "$what: one usage line and status 2"
    fi
}
usage_check "an unknown option" --no-such-option
usage_check "two saved games" "$work/corrupt.Kembrolla" "$work/corrupt.Kembrolla"
if env -u DISPLAY timeout 10 "$bin" --help >"$work/help.out" 2>&1 && grep -qi usage "$work/help.out"
then
    pass "--help answers without a display"
else
    fail "--help did not answer"
fi
# No display to open: one sentence in the desktop's language, and a plain error status.
no_display_check() { # no_display_check LANGUAGE SENTENCE [VARIABLE=VALUE...]
    language=$1
    sentence=$2
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES -u LANG \
        LANGUAGE="$language" XDG_CONFIG_HOME="$work/no-display" "$@" timeout 10 "$bin" \
        >"$work/no-display.out" 2>"$work/no-display.err"
    status=$?
    if [ $status -ne 1 ]; then
        fail "no display ($language): exit status $status, expected 1"
    elif [ "$(wc -l <"$work/no-display.err")" -ne 1 ] ||
        ! grep -qF "$sentence" "$work/no-display.err"; then
        fail "no display ($language): standard error is not the one sentence:"
        cat "$work/no-display.err"
    else
        pass "no display ($language): one sentence and status 1"
    fi
}
no_display_check fr "Aucun affichage n'a pu être ouvert : le jeu a besoin d'une session graphique (X11 ou Wayland)."
no_display_check de "Es konnte keine Anzeige geöffnet werden: Das Spiel braucht eine grafische Sitzung (X11 oder Wayland)." \
    QT_QPA_PLATFORM=xcb

# ---- 10. A level played, then watched again at 4x: the replay ends on the same board ----
# One colour, runs of two, one smiley a level on the bottom row, no pin-up: a capsule dropped on
# the smiley clears it and wins the level. Four drops cover the eight columns.
mkdir -p "$work/replay/kembrolla-panic"
printf '[Options]\nFond=0\nCouleurFondUni=0\nAnimationVirus=0\nPinup=0\n[Configuration]\nNbColor=1\nMinCasesConsecutives=2\nNbVirus=1\nNbVirusInc=0\nNbVirusLignes=1\nTempoDepart=300\n' \
    >"$(settings_file replay)"
# The counters, and the board's rows 8 to 18, of a window whose top-left is X Y: "X Y W H".
counters_at() { echo "$(($1 + 1)) $(($2 + menu + 1)) 128 24"; }
lower_board_at() { echo "$(($1 + 1)) $(($2 + menu + board_top + 1 + 7 * 16)) 128 $((11 * 16))"; }
lower_board() { lower_board_at "$wx" "$wy"; }
# moved_same SHOT1 X1 Y1 SHOT2 X2 Y2 W H: the same pixels at two places.
moved_same() {
    region "$1" "$2" "$3" "$7" "$8" >"$work/r1.raw"
    region "$4" "$5" "$6" "$7" "$8" >"$work/r2.raw"
    [ -s "$work/r1.raw" ] && cmp -s "$work/r1.raw" "$work/r2.raw"
}
# A replay gives its banner a band of its own above the counters: the window grows by it (and
# may move), and everything under the menus moves down by it.
board_as_played() {
    measure "$win"
    band=$((wh - played_h))
    shot watched || return 1
    # shellcheck disable=SC2046
    set -- $(counters_at "$wx" $((wy + band))) $(counters_at "$played_x" "$played_y") \
        $(lower_board_at "$wx" $((wy + band))) $(lower_board_at "$played_x" "$played_y")
    moved_same watched "$1" "$2" played "$5" "$6" "$3" "$4" &&
        moved_same watched "$9" "${10}" played "${13}" "${14}" "${11}" "${12}"
}
if [ -n "$menu" ] && start_game replay; then
    for moves in "Left Left Left" "Left" "Right" "Right Right Right"; do
        key x # resumes the level-start pause, or does nothing
        sleep 0.7
        for m in $moves; do key "$m"; done
        key space
        sleep 1.2
    done
    key F5 # paused: the chrono stops, so the board can be compared at leisure
    sleep 1.2
    shot played
    # A level won by the last drop starts paused, and F5 left that pause: the chrono goes on,
    # and F5 once more pauses the game.
    sleep 1.2
    shot still
    # shellcheck disable=SC2046
    if ! same_region played still $(counters_at "$wx" "$wy"); then
        key F5
        sleep 1.2
        shot played
    fi
    measure "$win"
    played_x=$wx played_y=$wy played_h=$wh
    key F2 # a new game: the one played is finished
    sleep 0.5
    key alt+f
    key v # "Revoir la dernière partie"
    key 4
    # shellcheck disable=SC2046
    if ! same_region played played $(lower_board); then
        fail "replay: no screenshot of the board played"
    elif ! within 30 board_as_played; then
        fail "replay: watched at 4x, the game did not end on the board it was played to"
    elif [ "$(count_windows)" -ne 1 ]; then
        fail "replay: a message box came up (the replay diverged?)"
    else
        key x
        pass "a level played and watched again at 4x ends on the same board and counters"
    fi
    stop_game
fi

# ---- 11. A match against the computer at "Débutant": the player wins it, two rounds to none ----
# The crafted level of 10 on both boards, and a fall of a second a row: the computer, which
# never drops its capsules, lands its first one after 18 s, while four drops clear the player's
# only smiley. The settings' last match chose the Beginner, so the dialog opens on it.
mkdir -p "$work/match/kembrolla-panic"
printf '[Options]\nFond=0\nCouleurFondUni=0\nAnimationVirus=0\nPinup=0\n[Configuration]\nNbColor=1\nMinCasesConsecutives=2\nNbVirus=1\nNbVirusInc=0\nNbVirusLignes=1\nTempoDepart=999\n[Duel]\nAdversaire=0\n' \
    >"$(settings_file match)"
strip=88 # the strip between the boards at 16-pixel cells
# star_lit SHOT SIDE N: whether star N (from 0) of side SIDE (0 left, 1 right) is filled.
star_lit() {
    # Two boards side by side take fewer rows of menu titles: the client area is the window's
    # last 342 rows.
    x=$((wx + 130 + $2 * strip / 2 + (strip / 2 - 14) / 2 + 5))
    y=$((wy + wh - 342 + 4 + $3 * 16 + 5))
    set -- $(mean_rgb "$1" "$x" "$y" 4 4)
    [ "$1" -gt 200 ] && [ "$2" -gt 180 ] && [ "$3" -lt 120 ]
}
round_won() { shot "$1" && star_lit "$1" 0 "$2"; }
# Four hard drops over the eight columns; one lands on the smiley of the bottom row.
clear_board() {
    for moves in "Left Left Left" "Left" "Right" "Right Right Right"; do
        key x # leaves the round's starting pause, or does nothing
        sleep 0.7
        for m in $moves; do key "$m"; done
        key space
        sleep 1.2
    done
}
if [ -n "$menu" ] && start_game match; then
    single_width=$ww
    key alt+f
    key d # "Nouveau duel..."
    # The dialog is a window of its own, with the keyboard while it is open.
    within 10 windows_at_least 2
    duel=$(xdotool search --onlyvisible --name "$title" | grep -v "^$win\$" | head -1)
    xdotool windowfocus --sync "$duel" key Return
    within 10 windows_at_most 1
    sleep 0.5
    measure "$win"
    if [ "$ww" -ne $((2 * 130 + strip)) ]; then
        fail "match: the window is $ww wide, not two boards and the strip ($((2 * 130 + strip)))"
    else
        clear_board
        if ! within 10 round_won round1 0; then
            fail "match: the first round's star did not light after the player's board was cleared"
        elif star_lit round1 1 0; then
            fail "match: the computer's star lit too"
        else
            clear_board
            if ! within 10 round_won over 1; then
                fail "match: the second round's star did not light"
            else
                key alt+f
                shot match-menu
                key s # "Partie seul"
                sleep 0.5
                measure "$win"
                if [ "$ww" -ne "$single_width" ]; then
                    fail "match: back to a single game, the window is $ww wide, not $single_width"
                else
                    pass "a match against the Beginner won two rounds to none, stars drawn, and back to a single game"
                fi
            fi
        fi
    fi
    quit_game
    if ! grep -q '^\[Duel\]' "$(settings_file match)" ||
        [ "$(grep -A1 '^\[Duel\]' "$(settings_file match)" | tail -1)" != "Adversaire=0" ]; then
        fail "match: the settings file does not keep the match's choices"
    fi
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "every check passed"
