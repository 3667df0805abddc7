#!/bin/sh
# Starts the game under a virtual X display, waits, and saves a screenshot of the screen.
#   scripts/screenshot.sh OUT.png [seconds] [settings-dir]
# KP_KEYS (optional): xdotool key names typed into the window before the shot.
set -eu
out=$1
wait=${2:-2}
confdir=${3:-$(mktemp -d)}
bin=${KP_BIN:-build/app/kembrolla-panic}
display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 0.5
DISPLAY=$display XDG_CONFIG_HOME=$confdir "$bin" &
game=$!
sleep "$wait"
if [ -n "${KP_KEYS:-}" ]; then
    win=$(DISPLAY=$display xdotool search --name "Kembrolla Panic!" | head -1)
    for k in $KP_KEYS; do
        DISPLAY=$display xdotool windowfocus --sync "$win" key "$k" || true
        sleep 0.3
    done
    sleep 1
fi
DISPLAY=$display import -window root "$out"
kill $game 2>/dev/null || true
wait $game 2>/dev/null || true
