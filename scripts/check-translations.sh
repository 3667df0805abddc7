#!/bin/sh
# Every shipped translation is complete: lupdate, run over today's sources into a copy of each
# translations/*.ts, finds no text without its translation, none unfinished and none the sources
# no longer have.
#   scripts/check-translations.sh LUPDATE
set -eu
[ $# -eq 1 ] || {
    echo "usage: $0 LUPDATE" >&2
    exit 2
}
lupdate=$1
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-ts.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$lupdate" -silent -locations none "$root"/ui/*.cpp "$root"/ui/*.h -ts "$work/$name" \
        >"$work/lupdate.log" 2>&1 || {
        cat "$work/lupdate.log"
        echo "FAIL: lupdate could not read $name"
        failures=$((failures + 1))
        continue
    }
    count=$(grep -c 'type="\(unfinished\|vanished\|obsolete\)"' "$work/$name" || true)
    if [ "$count" -gt 0 ]; then
        echo "FAIL: $name has $count entries missing, unfinished or no longer in the sources:"
        grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$work/$name" | grep '<source>' |
            head -10
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "ok: every translation is complete"
exit "$failures"
