#!/bin/sh
# Keeps the README honest: every `make` target it names exists, `make run` starts the game (under
# a virtual display of its own) and the soak runs (briefly), both on the build under test, and
# every program it quotes under build/ is there once the project is built, and every test group
# it picks out with ctest -R has tests.
#   scripts/check-readme-commands.sh BUILD-DIR
set -eu
[ $# -eq 1 ] || {
    echo "usage: $0 BUILD-DIR" >&2
    exit 2
}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for target in $(grep -o 'make [a-z][a-z-]*' "$root/README.md" | awk '{print $2}' | sort -u); do
    make -C "$root" -s -n "$target" BUILD="$build" >/dev/null 2>&1 ||
        fail "the README names 'make $target', which the GNUmakefile does not have"
done

# `make run` for real. Given the type and warning setting the build under test was configured
# with, its install and build steps change nothing; the game must show its window and end with
# status 0 when "Quitter" is chosen from its "Fichier" menu. It plays silently and keeps its
# settings in a scratch folder.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-readme.XXXXXX")
xvfb=""
run=""
cleanup() {
    [ -n "$run" ] && kill -- -"$run" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
make_run() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    i=0
    while [ ! -s "$work/display" ] && [ $i -lt 100 ] && kill -0 "$xvfb" 2>/dev/null; do
        sleep 0.1
        i=$((i + 1))
    done
    [ -s "$work/display" ] || {
        cat "$work/xvfb.log"
        fail "make run: Xvfb could not start"
        return
    }
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    mkdir -m 700 "$work/runtime"
    # In a session of its own, so that the game make starts can be ended with it.
    # (In French, whatever the desktop's language: the game's first start would speak it.)
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LANGUAGE=fr XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work/runtime" PULSE_SERVER=unix:/nonexistent/kp-no-sound-server \
        LSAN_OPTIONS="suppressions=$root/tests/e2e/lsan.supp" \
        setsid -w make -C "$root" -s run BUILD="$build" BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" \
        WERROR="$(cached KP_WERROR)" >"$work/run.log" 2>&1 &
    run=$!
    win=""
    i=0
    while [ -z "$win" ] && [ $i -lt 1200 ] && kill -0 "$run" 2>/dev/null; do
        win=$(xdotool search --onlyvisible --name '^Kembrolla Panic!$' 2>/dev/null | head -1)
        [ -n "$win" ] || sleep 0.1
        i=$((i + 1))
    done
    if [ -z "$win" ]; then
        cat "$work/run.log"
        fail "make run: the game's window did not show"
        return
    fi
    xdotool windowfocus --sync "$win" key alt+f
    sleep 0.3
    xdotool windowfocus --sync "$win" key q
    i=0
    while kill -0 "$run" 2>/dev/null && [ $i -lt 300 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    if kill -0 "$run" 2>/dev/null; then
        fail "make run: the game did not end after Fichier > Quitter"
        return
    fi
    status=0
    wait "$run" || status=$?
    run=""
    [ $status -eq 0 ] || {
        cat "$work/run.log"
        fail "make run ended with status $status"
    }
}
make_run

# The soak's own command line (without the install and build steps it depends on), 20 games
# and 4 matches.
soak=$(make -C "$root" -s -n -o deps -o build soak BUILD="$build")
(cd "$root" && KP_SOAK_GAMES=20 KP_SOAK_MATCHES=4 sh -c "$soak" >/dev/null 2>&1) || fail "make soak: $soak"

for path in $(grep -o 'build/[A-Za-z0-9_./-]*[A-Za-z0-9_]' "$root/README.md" | sort -u); do
    [ -e "$build/${path#build/}" ] || fail "the README quotes $path, which the build does not make"
done

# Every test group the README tells ctest to pick out exists.
for pattern in $(sed -n 's/.*ctest -R \([^ ]*\).*/\1/p' "$root/README.md"); do
    found=$(cd "$build" && ctest -N -R "$pattern" | sed -n 's/^Total Tests: //p')
    [ "${found:-0}" -gt 0 ] || fail "the README's 'ctest -R $pattern' finds no test"
done

[ "$failures" -eq 0 ] && echo "ok: every command the README gives works"
exit "$failures"
