#!/bin/sh
# Two copies of the real program play a network match under a virtual X display, the computer
# at each one's board, through a proxy on the loopback interface that delays every byte 150 ms
# each way: both begin with an attack delay chosen from that round trip, and both see the same
# match end, one won and one lost. Then a second match whose host is killed midway: the guest
# says the other player left.
#   tests/e2e/network.sh PATH/TO/kembrolla-panic
# Exit status: 0 passed, 1 failed, 77 no virtual display could be started.
# KP_E2E_KEEP=1 keeps the logs and the screenshots in the scratch folder it names.
set -u
[ $# -eq 1 ] || {
    echo "usage: $0 PATH/TO/kembrolla-panic" >&2
    exit 2
}

bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-network.XXXXXX")
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
command -v python3 >/dev/null || fail "missing tool: python3"
command -v Xvfb >/dev/null || {
    echo "SKIP: Xvfb is not installed"
    exit 77
}
Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
running=$!
until_ok 5 test -s "$work/display" || {
    echo "SKIP: Xvfb could not start"
    exit 77
}
DISPLAY=":$(cat "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
export PULSE_SERVER=unix:/nonexistent/kp-no-sound-server
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"

# A side's own folders; the host's settings deal a short match: one round, one smiley.
side() {
    mkdir -p "$work/$1/config/kembrolla-panic" "$work/$1/data"
    mkdir -m 700 "$work/$1/runtime"
    printf '%s\n' '[Options]' 'Fond=0' 'Son=0' 'Pinup=0' 'AnimationVirus=0' 'Langue=1' \
        '[Configuration]' 'NbVirus=1' 'NbVirusInc=0' '[Duel]' 'Manches=1' \
        >"$work/$1/config/kembrolla-panic/kembrolla-panic.ini"
}

# play NAME HOW: starts a copy playing KP_NETWORK_TEST=HOW, its log in NAME.log.
play() {
    XDG_CONFIG_HOME="$work/$1/config" XDG_DATA_HOME="$work/$1/data" \
        XDG_RUNTIME_DIR="$work/$1/runtime" KP_NETWORK_TEST="$2" "$bin" >"$work/$1.log" 2>&1 &
    running="$running $!"
    last=$!
}

said() { grep -q "$2" "$work/$1.log"; }

# match N: a host and a guest through a new proxy; leaves their processes in $host, $guest.
match() {
    side "host$1"
    side "guest$1"
    play "host$1" "host K2P3M4"
    host=$last
    until_ok 20 said "host$1" "hosting on port" || fail "match $1: the host did not listen"
    port=$(sed -n 's/.*hosting on port \([0-9]*\).*/\1/p' "$work/host$1.log")
    python3 "$here/delay_proxy.py" "$work/proxy$1" "$port" 150 >"$work/proxy$1.log" 2>&1 &
    running="$running $!"
    until_ok 10 test -s "$work/proxy$1" || fail "match $1: the proxy did not start"
    play "guest$1" "join 127.0.0.1:$(cat "$work/proxy$1") K2P3M4"
    guest=$last
    until_ok 30 said "host$1" "match begins" || fail "match $1: the host's match did not begin"
    until_ok 30 said "guest$1" "match begins" || fail "match $1: the guest's match did not begin"
}

match 1
delay=$(sed -n 's/.*attack delay \([0-9]*\) ms.*/\1/p' "$work/host1.log")
grep -q "attack delay $delay ms" "$work/guest1.log" || fail "the two sides chose other delays"
# A 300 ms round trip asks for more than the shortest delay (2 trips and room to spare).
[ "$delay" -ge 700 ] || fail "attack delay $delay ms for a 300 ms round trip"
echo "figure: attack delay $delay ms through a 300 ms round trip"
# Each window as it plays, side by side for the screenshots.
sleep 5
x=0
for w in $(xdotool search --onlyvisible --name '^Kembrolla Panic!$'); do
    xdotool windowmove --sync "$w" "$x" 0 2>/dev/null
    x=$((x + 512))
done
sleep 1
shoot() {
    n=0
    for w in $(xdotool search --onlyvisible --name '^Kembrolla Panic!$'); do
        n=$((n + 1))
        import -window "$w" "$work/$1-$n.png" 2>/dev/null || true
    done
}
shoot playing
until_ok 480 said host1 "match over" || fail "the host's match did not end"
until_ok 30 said guest1 "match over" || fail "the guest's match did not end"
shoot ended
if said host1 "match over, won"; then theirs=lost; else theirs=won; fi
said guest1 "match over, $theirs" || fail "both sides did not see one end"
echo "ok: one match end on both sides: the host $(sed -n 's/.*match over, //p' "$work/host1.log")"
kill $host $guest 2>/dev/null

# The host leaves mid-match, as a crash or a pulled cable would: the guest is told.
match 2
sleep 2
kill -9 $host
start=$(date +%s)
until_ok 30 said guest2 "left the match" || fail "the guest was not told that the host left"
echo "figure: the guest said the host left $(($(date +%s) - start)) s after it was killed"
sleep 1
shoot left
kill -0 $guest 2>/dev/null || fail "the guest did not stay up"
echo "ok: a network match played to its end, and one left midway"
exit 0
