#!/bin/sh
# Compares the game with two falling-block games a player might pick instead, under a virtual
# X display: time from start to the first visible window, peak memory (VmHWM) after 5 s, and
# CPU used while idling for 20 s (our game sits paused at its level start, smileys animating;
# the others sit on their opening screen). The peers are installed here only, never by
# `make test`.
#   bench/peers.sh [binary]         (writes the table on standard output)
set -eu
bin=${1:-build/app/kembrolla-panic}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
for p in quadrapassel kblocks; do
    if [ ! -x "/usr/games/$p" ]; then
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$p" >/dev/null
    fi
done

display=:$((200 + $$ % 50))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
# A session bus, as on a desktop: some games wait for one before they show a window.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
export DBUS_SESSION_BUS_ADDRESS
buspid=$(echo "$bus" | sed -n 2p)
trap 'kill $xvfb $buspid 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 0.5
hz=$(getconf CLK_TCK)
now() { python3 -c 'import time; print(time.monotonic_ns())'; }
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# One run: prints "first-window-ms peak-kB idle-cpu-%".
measure() {
    rm -rf "$home"/* "$home"/.[!.]* 2>/dev/null || true
    start=$(now)
    HOME=$home XDG_CONFIG_HOME=$home/.config DISPLAY=$display "$@" >/dev/null 2>&1 &
    pid=$!
    until DISPLAY=$display xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        sleep 0.005
        kill -0 "$pid" 2>/dev/null || { echo "- - -"; return; }
    done
    shown=$(now)
    sleep 5
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    before=$(cpu "$pid")
    sleep 20
    after=$(cpu "$pid")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$(( (shown - start) / 1000000 )) $peak $(echo "$before $after $hz" | awk '{printf "%.2f", 100 * ($2 - $1) / $3 / 20}')"
}

row() {
    name=$1
    shift
    r1=$(measure "$@")
    r2=$(measure "$@")
    r3=$(measure "$@")
    echo "$r1
$r2
$r3" | sort -n | sed -n 2p | awk -v n="$name" '{printf "| %s | %s | %s | %s |\n", n, $1, $2, $3}'
}

echo "| Game | First window, ms | Peak memory, kB | Idle CPU, % of one core |"
echo "|---|---|---|---|"
row "Kembrolla Panic!" "$bin"
row "quadrapassel" /usr/games/quadrapassel
row "kblocks" /usr/games/kblocks
