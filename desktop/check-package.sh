#!/bin/sh
# Makes the Debian package of a build with CPack, in a scratch folder, and holds it to Debian's
# rules with lintian: any error or warning fails, and so does any missing hardening. The
# changelog's latest entry must also be the package's version.
#   desktop/check-package.sh BUILD-DIR
set -eu
[ $# -eq 1 ] || {
    echo "usage: $0 BUILD-DIR" >&2
    exit 2
}
build=$(cd "$1" && pwd)
command -v lintian >/dev/null || {
    echo "missing tool: lintian (scripts/packages-test.txt lists it)"
    exit 1
}
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

if ! (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/*.deb)

status=0
if ! lintian --fail-on none --display-info "$deb" >"$work/lintian.txt" 2>&1; then
    cat "$work/lintian.txt"
    echo "FAIL: lintian could not check $(basename "$deb")"
    exit 1
fi
cat "$work/lintian.txt"
if grep -q '^[EW]: ' "$work/lintian.txt"; then
    echo "FAIL: lintian finds errors or warnings in $(basename "$deb")"
    status=1
fi
# This lintian only notes a missing hardening flag ("I:"); Debian's build flags are the rule.
if grep -q '^.: [^ ]* hardening-' "$work/lintian.txt"; then
    echo "FAIL: the program lacks some of Debian's hardening"
    status=1
fi

version=$(dpkg-deb --field "$deb" Version)
latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/kembrolla-panic/changelog.gz |
    gzip -dc | head -1)
case "$latest" in
"kembrolla-panic ($version) "*) ;;
*)
    echo "FAIL: the changelog's latest entry, '$latest', is not version $version"
    status=1
    ;;
esac

[ $status -eq 0 ] && echo "ok: $(basename "$deb") passes lintian"
exit $status
