#!/bin/sh
# Starts the game from a build directory.
set -eu
build=${1:-build}
if [ -x "$build/app/kembrolla-panic" ]; then
    exec "$build/app/kembrolla-panic"
fi
echo "The game window is not built yet: only the engine and its tests exist so far."
