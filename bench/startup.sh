#!/bin/sh
# Start-up figures of the real program under a virtual X display: time from process start to
# the board's first painted frame, peak memory (VmHWM) at that moment, and the time from the
# window's close (settings written) to the end of the process.
#   bench/startup.sh [runs] [binary] [settings file to start with]
set -eu
runs=${1:-10}
bin=${2:-build/app/kembrolla-panic}
settings=${3:-}
display=:$((150 + $$ % 50))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
conf=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$conf"' EXIT
sleep 0.5
now() { python3 -c 'import time; print(time.monotonic_ns())'; }
times="" mems="" closes=""
i=0
while [ $i -lt "$runs" ]; do
    mkdir -p "$conf/kembrolla-panic"
    if [ -n "$settings" ]; then cp "$settings" "$conf/kembrolla-panic/kembrolla-panic.ini"; fi
    start=$(now)
    out=$(DISPLAY=$display XDG_CONFIG_HOME=$conf KP_FIRST_FRAME_PROBE=1 "$bin" 2>/dev/null)
    end=$(now)
    frame=$(echo "$out" | awk '/first-frame-ns/ {print $2}')
    times="$times $(((frame - start) / 1000000))"
    mems="$mems $(echo "$out" | awk '/peak-memory/ {print $2}')"
    closes="$closes $(((end - frame) / 1000000))"
    i=$((i + 1))
done
median() { echo "$@" | tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "first frame, ms:      $times  (median $(median $times))"
echo "peak memory, kB:      $mems  (median $(median $mems))"
echo "close to exit, ms:    $closes  (median $(median $closes))"
