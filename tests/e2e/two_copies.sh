#!/bin/sh
# Two copies of the real program on one settings file, under a virtual X display: the first is
# left open with the old score table, the second loses a saved game that is one capsule from
# the end and enters a record, then the first closes. The record must still be in the file.
# Then a copy stuck while it holds the settings' lock (the test holds it itself): another copy's
# score entry and close wait a bounded time, say so in a message box, and write all the same.
#   tests/e2e/two_copies.sh PATH/TO/kembrolla-panic
# Exit status: 0 passed, 1 failed, 77 no virtual display could be started.
# KP_E2E_KEEP=1 keeps the logs and the settings file in the scratch folder it names.
set -u
[ $# -eq 1 ] || {
    echo "usage: $0 PATH/TO/kembrolla-panic" >&2
    exit 2
}

bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-two-copies.XXXXXX")
title='^Kembrolla Panic!$'
running="" # the processes to end on the way out

finish() {
    for p in $running; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    if [ -n "${KP_E2E_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*"
    for log in "$work"/*.log; do
        echo "--- $log"
        cat "$log"
    done
    exit 1
}

# until SECONDS COMMAND...: retries COMMAND every 0.2 s for SECONDS at most.
until_ok() {
    tries=$(($1 * 5))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.2
    done
}

command -v xdotool >/dev/null || fail "missing tool: xdotool (scripts/packages-test.txt lists it)"
command -v Xvfb >/dev/null || {
    echo "SKIP: Xvfb is not installed"
    exit 77
}
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
running=$!
until_ok 5 test -s "$work/display" || {
    echo "SKIP: Xvfb could not start"
    exit 77
}
DISPLAY=":$(cat "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# Silent, and with a settings folder of its own that both copies share.
export PULSE_SERVER=unix:/nonexistent/kp-no-sound-server
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/kembrolla-panic"
settings="$XDG_CONFIG_HOME/kembrolla-panic/kembrolla-panic.ini"

# A plain black board, no sound, no pin-ups, and one old record.
printf '%s\n' '[Options]' 'Fond=0' 'Son=0' 'Pinup=0' 'AnimationVirus=0' '[Scores]' \
    'Score01_Niv=2' 'Score01_Vir=5' 'Score01_Nom=Ancien' 'Score01_Dat= 01 janv. 2020  -  10h00' \
    >"$settings"

# Level 5 with one smiley left and the entry cells taken: columns 4 and 5 are full of loose
# capsule halves of alternating colours (no run), so the first capsule cannot come in.
save="$work/perdue.Kembrolla"
{
    printf '%s\n' '[Sauvegarde]' 'Niveau=5' 'NbVirusRestants=1' 'Tricherie=0' '0-0=999' '18-1=-101'
    row=1
    while [ $row -le 18 ]; do
        echo "$row-4=$((100 + row % 2 * 10))"
        echo "$row-5=$((110 - row % 2 * 10))"
        row=$((row + 1))
    done
} >"$save"

# windows_of PID: the visible windows with the game's title that the process shows.
windows_of() {
    xdotool search --all --onlyvisible --pid "$1" --name "$title" 2>/dev/null
}
has_windows() { [ "$(windows_of "$1" | wc -l)" -ge "$2" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# start NAME [ARG...]: a copy of the game; sets $pid and $win, its main window.
start() {
    name=$1
    shift
    # (French on a first start, whatever the desktop's language.)
    LANGUAGE=fr "$bin" "$@" >"$work/$name.log" 2>&1 9<&- &
    pid=$!
    running="$running $pid"
    until_ok 20 has_windows "$pid" 1 || fail "$name: no window appeared"
    win=$(windows_of "$pid" | head -1)
}

start open
open_pid=$pid
open_win=$win

start player "$save"
player_pid=$pid
# F5 leaves the pause the saved game opens in; the next fall step loses the game.
xdotool windowfocus --sync "$win" key F5
until_ok 20 has_windows "$player_pid" 2 || fail "the lost game offered no record"
dialog=$(windows_of "$player_pid" | grep -vx "$win" | head -1)
xdotool windowfocus --sync "$dialog" key ctrl+a type Nouveau
xdotool windowfocus --sync "$dialog" key Return
until_ok 10 grep -qx 'Score01_Nom=Nouveau' "$settings" ||
    fail "the record was not written when it was entered"
kill "$player_pid"
wait "$player_pid" 2>/dev/null

# The first copy closes normally ("&Fichier" > "&Quitter") and writes its settings.
xdotool windowfocus --sync "$open_win" key alt+f
sleep 0.3
xdotool windowfocus --sync "$open_win" key q
until_ok 10 gone "$open_pid" || fail "the open copy did not quit"
wait "$open_pid" || fail "the open copy ended with status $?"

grep -qx 'Score01_Nom=Nouveau' "$settings" || fail "the other copy's close wiped the record"
grep -qx 'Score02_Nom=Ancien' "$settings" || fail "the old record is no longer second"
echo "ok: a record entered in one copy survives the close of another"

# ---- A copy stuck while it holds the lock on the settings' folder ----
# The lock is taken on a descriptor of this shell's own, which the copies are not given.
folder=$(dirname "$settings")
exec 9<"$folder"
flock -n 9 || fail "the test could not take the lock"

# others_of PID WINDOW...: the process's windows other than those given.
others_of() {
    pid=$1
    shift
    windows_of "$pid" | grep -vxF "$(printf '%s\n' "$@")"
}
has_other() { [ -n "$(others_of "$@")" ]; }

# The score entry is kept: the name goes in, and after the bounded wait a message says another
# copy holds the file, which was written without waiting for it.
start entry "$save"
entry_pid=$pid
entry_win=$win
lost=$(date +%s%N)
xdotool windowfocus --sync "$win" key F5
until_ok 20 has_windows "$entry_pid" 2 || fail "the second lost game offered no record"
echo "figure: the lost game to its record's dialog: $((($(date +%s%N) - lost) / 1000000)) ms"
dialog=$(others_of "$entry_pid" "$entry_win" | head -1)
xdotool windowfocus --sync "$dialog" key ctrl+a type Tiers
entered=$(date +%s%N)
xdotool windowfocus --sync "$dialog" key Return
until_ok 40 has_other "$entry_pid" "$entry_win" "$dialog" ||
    fail "the score entry said nothing while another copy held the lock"
# The scores and the statistics are both written: the stuck copy is waited for once, not twice.
echo "figure: the record entered to the message about the stuck copy: $((($(date +%s%N) - entered) / 1000000)) ms"
grep -q '^Score0[1-3]_Nom=Tiers$' "$settings" || fail "the record entered was not written"
kill "$entry_pid"
wait "$entry_pid" 2>/dev/null

# A close: the settings are written (a key taken out of the file meanwhile comes back), a
# message says so, and the copy ends.
start closing
closing_pid=$pid
closing_win=$win
sed -i '/^Pinup=/d' "$settings"
xdotool windowfocus --sync "$closing_win" key alt+f
sleep 0.3
xdotool windowfocus --sync "$closing_win" key q
until_ok 40 has_other "$closing_pid" "$closing_win" ||
    fail "the close hung while another copy held the lock"
xdotool windowfocus --sync "$(others_of "$closing_pid" "$closing_win" | head -1)" key Return
until_ok 10 gone "$closing_pid" || fail "the copy did not quit after its message"
wait "$closing_pid" || fail "the closing copy ended with status $?"
grep -qx 'Pinup=0' "$settings" || fail "the settings were not written at close"
grep -q '^Score0[1-3]_Nom=Tiers$' "$settings" || fail "the close lost the record"
exec 9<&-
echo "ok: a copy stuck holding the lock holds up neither the score entry nor the close"
