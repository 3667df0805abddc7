#!/bin/sh
# Every shell script the project keeps still runs: its first line names an installed shell, it
# parses (`sh -n`, or `bash -n` for a bash script) and it keeps its run bit, in git and in the
# checkout. A script run through the C++ formatter, or saved by a tool that drops its mode, fails.
# Shell scripts are the tracked *.sh files and the files whose first line starts a shell.
#   scripts/check-shell-scripts.sh
set -eu
cd "$(dirname "$0")/.."
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || {
    echo "SKIP: not a git checkout"
    exit 77
}
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# One line per script: its path, its mode in git and its first line.
scripts=$(git ls-files -s | while read -r mode _ _ path; do
    first=$(head -n 1 "$path" | tr -d '\0')
    case "$path" in
    *.sh) ;;
    *) echo "$first" | grep -Eq '^#!.*[/ ](ba|da)?sh( |$)' || continue ;;
    esac
    echo "$path $mode $first"
done)

checked=0
while read -r path mode first; do
    checked=$((checked + 1))
    [ "$mode" = 100755 ] || fail "$path is $mode in git, not 100755 (git update-index --chmod=+x $path)"
    [ -x "$path" ] || fail "$path has lost its run bit"
    interpreter=$(echo "$first" | sed -n 's/^#! *\([^ ]*\).*/\1/p')
    [ -f "$interpreter" ] && [ -x "$interpreter" ] ||
        fail "$path starts with '$first', which names no program"
    shell=sh
    case "$first" in *bash*) shell=bash ;; esac
    $shell -n "$path" 2>&1 || fail "$path does not parse with $shell -n"
done <<EOF
$scripts
EOF

[ "$failures" -eq 0 ] && echo "ok: $checked shell scripts parse and keep their run bit"
exit "$failures"
