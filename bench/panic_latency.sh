#!/bin/sh
# Panic latency of the real window under a virtual X display: from the Escape key to the
# window off the screen (unmapped), under a window manager with a notification area and under
# one with a taskbar only, then back (the icon, or the taskbar) and again.
#   bench/panic_latency.sh [panics per desktop] [build folder]
set -eu
panics=${1:-20}
build=${2:-build}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-panic.XXXXXX")
display=:$((150 + $$ % 50))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display PULSE_SERVER=unix:/nonexistent XDG_CONFIG_HOME=$work QT_QPA_PLATFORM=xcb
sleep 0.5
now() { date +%s%N; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# desktop NAME WM-ARGUMENTS...: a window manager, the game, then $panics panics timed.
desktop() {
    name=$1
    shift
    jwm "$@" >/dev/null 2>&1 &
    wm=$!
    sleep 1
    "$build/app/kembrolla-panic" >/dev/null 2>&1 &
    game=$!
    win=""
    while [ -z "$win" ]; do
        win=$(xdotool search --onlyvisible --name '^Kembrolla Panic!$' 2>/dev/null | head -1)
        sleep 0.1
    done
    sleep 1
    times=""
    for _ in $(seq "$panics"); do
        xdotool windowfocus --sync "$win"
        start=$(now)
        xdotool key Escape
        while viewable "$win"; do :; done
        times="$times $((($(now) - start) / 100000))"
        sleep 0.3
        if [ "$name" = tray ]; then
            # The icon: the small window of the game's title in the notification area.
            set -- $(xwininfo -root -tree | sed -n 's/.*"Kembrolla Panic!": (.*)  *\([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]*  *+\([0-9]*\)+\([0-9]*\)$/\1 \2 \3 \4/p' |
                awk '$1 >= 8 && $1 <= 64 && $2 >= 8 && $2 <= 64 { print $3 + int($1 / 2), $4 + int($2 / 2); exit }')
            xdotool mousemove "$1" "$2" click 1
        else
            xdotool mousemove 100 755 click 1
        fi
        tries=0
        while ! viewable "$win"; do
            tries=$((tries + 1))
            [ $tries -lt 200 ] || { echo "$name: the game did not come back" >&2; exit 1; }
            sleep 0.05
        done
        sleep 0.3
    done
    kill "$game" "$wm"
    wait "$game" "$wm" 2>/dev/null || true
    echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk -v what="$name" '
        { t[NR] = $1 / 10 } END {
            printf "panic to off screen, %-16s panics %d  median %.1f ms  max %.1f ms\n",
                what, NR, t[int((NR + 1) / 2)], t[NR] }'
}

desktop tray
desktop "no-tray" -f "$here/../tests/e2e/notray.jwmrc"
