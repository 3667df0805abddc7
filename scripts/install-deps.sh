#!/bin/sh
# Installs whatever Debian packages are missing: those of scripts/packages.txt (the game's), and
# with "test" also those of scripts/packages-test.txt (the tests', benchmarks' and checks').
# Idempotent: when everything is there it only runs dpkg-query and exits.
#   scripts/install-deps.sh [test]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
lists="$here/packages.txt"
case "${1:-}" in
"") ;;
test) lists="$lists $here/packages-test.txt" ;;
*)
    echo "usage: $0 [test]" >&2
    exit 2
    ;;
esac
# shellcheck disable=SC2086
wanted=$(cat $lists | grep -v -E '^\s*(#|$)')
missing=""
for p in $wanted; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
