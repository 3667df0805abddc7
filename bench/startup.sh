#!/bin/sh
# Start-up figures of the real program under a virtual X display: time from process start to
# the board's first painted frame, and peak memory (VmHWM) at that moment.
#   bench/startup.sh [runs] [binary]
set -eu
runs=${1:-10}
bin=${2:-build/app/kembrolla-panic}
display=:$((150 + $$ % 50))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 0.5
conf=$(mktemp -d)
times=""
mems=""
i=0
while [ $i -lt "$runs" ]; do
    start=$(python3 -c 'import time; print(time.monotonic_ns())')
    out=$(DISPLAY=$display XDG_CONFIG_HOME=$conf KP_FIRST_FRAME_PROBE=1 "$bin" 2>/dev/null)
    frame=$(echo "$out" | awk '/first-frame-ns/ {print $2}')
    mem=$(echo "$out" | awk '/peak-memory/ {print $2}')
    times="$times $(( (frame - start) / 1000000 ))"
    mems="$mems $mem"
    i=$((i + 1))
done
rm -rf "$conf"
median() { echo "$@" | tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "first frame, ms:   $times  (median $(median $times))"
echo "peak memory, kB:   $mems  (median $(median $mems))"
