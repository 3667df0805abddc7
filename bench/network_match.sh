#!/bin/sh
# What a network match costs beside a local one, as the player's computer sees it: the game's
# share of a core over SECONDS while the computer plays a local match against the computer (the
# player's board left to fall), then while it plays a network match against another copy
# through a proxy that delays every byte 50 ms each way; and the bytes that proxy carried each
# way, WebSocket and all (TCP/IP headers aside). Figures only: nothing here passes or fails.
#   bench/network_match.sh PATH/TO/kembrolla-panic [SECONDS]
# KP_BENCH_SHOTS=FOLDER saves a screenshot of each match there.
set -u
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-network-bench.XXXXXX")
pids=""
trap 'for p in $pids; do kill $p 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids=$!
sleep 1
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
export PULSE_SERVER=unix:/nonexistent/kp-no-sound-server
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
hz=$(getconf CLK_TCK)

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# share PID: its % of a core over the next SECONDS.
share() {
    a=$(ticks "$1")
    sleep "$seconds"
    b=$(ticks "$1")
    python3 -c "print('%.2f' % (100.0 * ($b - $a) / $hz / $seconds))"
}

game() { # NAME [KP_NETWORK_TEST]
    mkdir -p "$work/$1/config/kembrolla-panic" "$work/$1/runtime"
    chmod 700 "$work/$1/runtime"
    printf '%s\n' '[Options]' 'Son=0' 'Langue=1' '[Duel]' 'Adversaire=2' \
        >"$work/$1/config/kembrolla-panic/kembrolla-panic.ini"
    XDG_CONFIG_HOME="$work/$1/config" XDG_DATA_HOME="$work/$1" XDG_RUNTIME_DIR="$work/$1/runtime" \
        KP_NETWORK_TEST="${2:-}" "$bin" >"$work/$1.log" 2>&1 &
    last=$!
    pids="$pids $last"
}

# A local match against the computer at Medium: File, "New match...", Enter, a key to begin.
game local
sleep 3
window=$(xdotool search --onlyvisible --pid "$last" | head -1)
xdotool windowfocus --sync "$window" key alt+f 2>/dev/null
sleep 0.5
xdotool key m
sleep 1
xdotool key Return
sleep 1
xdotool key space
sleep 2
echo "figure: local match, the computer playing one board: $(share "$last") % of a core"
shot() { [ -z "${KP_BENCH_SHOTS:-}" ] || import -window root "$KP_BENCH_SHOTS/$1.png"; }
shot local-match
kill "$last"

game host "host BENCH1"
host=$last
sleep 3
port=$(sed -n 's/.*hosting on port \([0-9]*\).*/\1/p' "$work/host.log")
python3 "$here/../tests/e2e/delay_proxy.py" "$work/proxy" "$port" 50 >"$work/proxy.log" 2>&1 &
proxy=$!
pids="$pids $proxy"
sleep 1
game guest "join 127.0.0.1:$(cat "$work/proxy") BENCH1"
sleep 3
grep -q "match begins" "$work/host.log" || { echo "the network match did not begin"; cat "$work"/*.log; exit 1; }
start=$(date +%s.%N)
echo "figure: network match, the computer playing this side: $(share "$host") % of a core (host)"
shot network-match
kill "$proxy"
sleep 0.5
took=$(python3 -c "import time; print(time.time() - $start)")
sed -n 's/carried: \([0-9]*\) bytes to the host, \([0-9]*\) to the guest/\1 \2/p' "$work/proxy.log" |
    while read -r up down; do
        python3 -c "print('figure: on the wire, %.0f bytes/s to the host and %.0f to the guest' % ($up / $took, $down / $took))"
    done
