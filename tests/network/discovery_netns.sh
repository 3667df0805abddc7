#!/bin/sh
# A game announced in one network namespace is found from another, the two joined by a
# virtual cable (a veth pair): first over IPv4 broadcast, then, the IPv4 addresses taken away,
# over IPv6 link-local multicast alone. Needs root and `ip netns` (iproute2).
#   tests/network/discovery_netns.sh PATH/TO/beacon_probe
# Exit status: 0 passed, 1 failed, 77 skipped (not root, no network namespaces here).
set -u
[ $# -eq 1 ] || {
    echo "usage: $0 PATH/TO/beacon_probe" >&2
    exit 2
}
probe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")

skip() {
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "making network namespaces needs root"
command -v ip >/dev/null || skip "ip is not installed (iproute2, scripts/packages-test.txt)"
ip netns list >/dev/null 2>&1 || skip "ip netns is not available"

# Named after this process, so that two runs at once keep apart.
host=kp-host-$$
guest=kp-guest-$$
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-discovery.XXXXXX")
announcer=""
finish() {
    if [ -n "$announcer" ]; then
        kill "$announcer" 2>/dev/null
        wait "$announcer" 2>/dev/null
    fi
    ip netns del "$host" 2>/dev/null
    ip netns del "$guest" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*"
    echo "--- announcer"
    cat "$work/announce.log"
    exit 1
}

ip netns add "$host" || skip "no network namespace can be made here"
ip netns add "$guest" || skip "no network namespace can be made here"
ip -n "$host" link add veth0 type veth peer name veth1 netns "$guest" ||
    skip "no veth pair can be made here"
ipv6=yes
setup() { # NAMESPACE INTERFACE IPV4 IPV6
    ip -n "$1" link set lo up
    # No address made up by the kernel: only the test's own, usable at once (nodad).
    ip -n "$1" link set "$2" addrgenmode none 2>/dev/null
    ip -n "$1" addr add "$3/24" brd + dev "$2" || fail "cannot give $2 an IPv4 address"
    ip -n "$1" addr add "$4/64" dev "$2" nodad 2>/dev/null || ipv6=no
    ip -n "$1" link set "$2" up || fail "cannot bring $2 up"
}
setup "$host" veth0 10.77.0.1 fe80::a
setup "$guest" veth1 10.77.0.2 fe80::b

# The name has a character beyond ASCII, as a player's may.
ip netns exec "$host" "$probe" announce "Zoé" 47470 >"$work/announce.log" 2>&1 &
announcer=$!

found=$(timeout 15 ip netns exec "$guest" "$probe" find 3)
echo "over IPv4: $found"
echo "$found" | grep -qx "Zoé 10.77.0.1 47470" || fail "the IPv4 beacon was not heard"

[ $ipv6 = yes ] || {
    echo "ok: heard over IPv4 (IPv6 is off here: its half is not run)"
    exit 0
}
ip -n "$host" -4 addr flush dev veth0
ip -n "$guest" -4 addr flush dev veth1
found=$(timeout 15 ip netns exec "$guest" "$probe" find 3)
echo "over IPv6: $found"
echo "$found" | grep -Eqx "Zoé fe80::a(%veth1)? 47470" || fail "the IPv6 beacon was not heard"
echo "ok: heard over IPv4 broadcast and over IPv6 multicast"
