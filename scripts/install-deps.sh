#!/bin/sh
# Installs whatever Debian packages of scripts/packages.txt are missing. Idempotent:
# when everything is there it only runs dpkg-query and exits.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
wanted=$(grep -v -E '^\s*(#|$)' "$here/packages.txt")
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
