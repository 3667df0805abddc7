#!/bin/sh
# Starts the game from a build directory.
set -eu
build=${1:-build}
if [ -x "$build/app/kembrolla-panic" ]; then
    exec "$build/app/kembrolla-panic"
fi
echo "$build/app/kembrolla-panic is missing: build it with 'make build' (or 'make run')." >&2
exit 1
