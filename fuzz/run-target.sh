#!/bin/sh
# Runs one fuzz target: once over the reproducers of its past findings (regressions/<target>/),
# then for SECONDS on a fresh copy of its seeds (corpus/<target>/) in WORK/<target>/, where
# libFuzzer leaves its log, the inputs it found and any crash-*, leak-* or timeout-* file.
# Nothing is written into the source tree. Exits non-zero when either part fails.
# usage: run-target.sh TARGET_EXECUTABLE WORK SECONDS
set -eu
exe=$1
work=$2
seconds=$3
here=$(cd "$(dirname "$0")" && pwd)
name=$(basename "$exe")
case $name in
    fuzz_bmp) dict=bmp ;;
    fuzz_jpeg) dict=jpeg ;;
    fuzz_replay) dict=replay ;;
    fuzz_wire) dict=wire ;;
    *) dict=ini ;;
esac
out=$work/$name
rm -rf "$out"
mkdir -p "$out/corpus"
cp "$here/corpus/$name"/* "$out/corpus/"
set -- -rss_limit_mb=2048 -timeout=10 -dict="$here/dictionaries/$dict.dict" \
    -artifact_prefix="$out/"
failed=0

for f in "$here/regressions/$name"/*; do
    [ -f "$f" ] || continue
    # A reproducer runs in well under a second once its finding is fixed; libFuzzer does not
    # time inputs given as files, so a hang is stopped from outside.
    status=0
    timeout 5 "$exe" "$@" "$f" >"$out/regression.log" 2>&1 || status=$?
    if [ $status -ne 0 ]; then
        grep -E '^\*\*\* broken|^SUMMARY|^==[0-9]+== ?ERROR' "$out/regression.log" || true
        [ $status -eq 124 ] && echo "(still running after 5 s)"
        echo "$name: FAILED on the reproducer $f"
        failed=1
    fi
done

status=0
"$exe" "$@" -max_total_time="$seconds" -print_final_stats=1 "$out/corpus" >"$out/log" 2>&1 ||
    status=$?
# The last status line (executions, coverage, corpus) and the final figures.
summary=$(grep -E '^#[0-9]+' "$out/log" | tail -n 1)
execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log")
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/log")
rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$out/log")
if [ $status -ne 0 ]; then
    grep -E -A 30 '^\*\*\* broken|^==[0-9]+== ?ERROR' "$out/log" | head -n 40 || true
    echo "$name: FAILED after $execs runs ($summary); log and input in $out/"
    exit 1
fi
echo "$name: $execs runs, $rate exec/s, peak ${rss} MB; $summary"
exit $failed
