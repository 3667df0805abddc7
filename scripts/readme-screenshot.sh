#!/bin/sh
# Makes the README's picture from the real game: a small level in progress, opened as a saved
# game under a virtual X display, shown at 150 % after the player resumed it.
#   scripts/readme-screenshot.sh [OUT.png]     (default docs/screenshot.png)
# KP_BIN chooses the program (default build/app/kembrolla-panic).
set -eu
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
bin=${KP_BIN:-build/app/kembrolla-panic}
[ -x "$bin" ] || {
    echo "no program at $bin: build it first (make build)" >&2
    exit 1
}
work=$(mktemp -d)
xvfb=""
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Default settings but for the cell size: 24 pixels.
mkdir -p "$work/config/kembrolla-panic"
printf '[Options]\nSmileyTaille=3\n' >"$work/config/kembrolla-panic/kembrolla-panic.ini"

# Level 4 after three minutes: smileys of the three colours, capsules that already landed.
# Codes: -(100 + 10 x colour + phase) a smiley; 100 + 10 x colour + link a capsule half, link
# 1 top, 2 left, 3 bottom, 4 right.
cat >"$work/level4.Kembrolla" <<'EOF'
[Sauvegarde]
Niveau=4
NbVirusRestants=9
Chrono0Tag=0
Chrono1Tag=0
Chrono2Tag=3
Chrono3Tag=2
Chrono4Tag=7
Tricherie=0
0-0=999
10-6=-122
11-2=-101
12-7=-113
13-4=-121
14-1=-112
14-8=-102
15-5=-104
16-3=-123
16-7=101
17-7=123
17-1=102
17-2=114
18-1=-111
18-2=122
18-3=124
18-4=-103
18-5=112
18-6=104
18-8=-124
EOF

Xvfb -displayfd 3 -screen 0 800x700x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
i=0
while [ ! -s "$work/display" ] && [ $i -lt 50 ]; do
    sleep 0.1
    i=$((i + 1))
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
export QT_QPA_PLATFORM=xcb PULSE_SERVER=unix:/nonexistent/kp-no-sound-server
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# (In the game's own language, whatever the desktop's.)
LANGUAGE=fr XDG_CONFIG_HOME="$work/config" "$bin" "$work/level4.Kembrolla" >/dev/null 2>&1 &
game=$!
win=""
i=0
while [ -z "$win" ] && [ $i -lt 100 ]; do
    win=$(xdotool search --onlyvisible --name '^Kembrolla Panic!$' 2>/dev/null | head -1) || true
    [ -n "$win" ] || sleep 0.1
    i=$((i + 1))
done
[ -n "$win" ] || {
    echo "the game's window did not appear" >&2
    exit 1
}
sleep 1
# The saved game opens paused; a key resumes it and the next capsule comes down a few rows.
xdotool windowfocus --sync "$win" key Right
sleep 2.2
mkdir -p "$(dirname "$out")"
import -window "$win" "$work/shot.png"
# A plain, small PNG without dates in it, so that the same picture gives the same file.
convert "$work/shot.png" -strip -define png:exclude-chunks=date,time "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
