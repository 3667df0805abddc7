#!/bin/sh
# Keeps the README honest: every `make` target it names exists, the soak runs (briefly, on the
# build under test), and every program it quotes under build/ is there once the project is built.
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

# The soak's own command line (without the install and build steps it depends on), 20 games.
soak=$(make -C "$root" -s -n -o deps -o build soak BUILD="$build")
(cd "$root" && KP_SOAK_GAMES=20 sh -c "$soak" >/dev/null 2>&1) || fail "make soak: $soak"

for path in $(grep -o 'build/[A-Za-z0-9_./-]*[A-Za-z0-9_]' "$root/README.md" | sort -u); do
    [ -e "$build/${path#build/}" ] || fail "the README quotes $path, which the build does not make"
done

[ "$failures" -eq 0 ] && echo "ok: every command the README gives works"
exit "$failures"
