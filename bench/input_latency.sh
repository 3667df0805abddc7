#!/bin/sh
# Input latency of the real window under a virtual X display: key to pixel and gamepad to
# pixel (median, 99th percentile), and the idle cost of reading a controller.
#   bench/input_latency.sh [events per device] [build folder]
set -eu
events=${1:-1000}
build=${2:-build}
display=:$((150 + $$ % 50))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 0.5
DISPLAY=$display PULSE_SERVER=unix:/nonexistent "$build/bench/input_latency" "$events" 2>/dev/null
