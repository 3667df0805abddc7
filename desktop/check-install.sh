#!/bin/sh
# Installs the build into a scratch prefix and checks that every desktop file lands in its
# standard place, and that the saved-game type is understood by shared-mime-info.
#   desktop/check-install.sh BUILD-DIR APP-ID ICON-SIZE...
set -eu
build=$1
id=$2
shift 2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

status=0
need() {
    if [ ! -s "$root/usr/$1" ]; then
        echo "missing after install: /usr/$1"
        status=1
    fi
}
need games/kembrolla-panic
need "share/applications/$id.desktop"
need "share/metainfo/$id.metainfo.xml"
need "share/mime/packages/$id.xml"
need share/man/man6/kembrolla-panic.6.gz
need share/doc/kembrolla-panic/copyright
need share/doc/kembrolla-panic/changelog.gz
for size in "$@"; do
    icon="share/icons/hicolor/${size}x${size}/apps/$id.png"
    need "$icon"
    if [ -s "$root/usr/$icon" ]; then
        got=$(identify -format '%wx%h' "$root/usr/$icon")
        [ "$got" = "${size}x${size}" ] || { echo "$icon is $got"; status=1; }
    fi
done

# The menu entry names an icon and the file types that the package really provides: saved
# games and replays.
entry="$root/usr/share/applications/$id.desktop"
grep -qx "Icon=$id" "$entry" || { echo "the menu entry names another icon"; status=1; }
types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' ')
for mime in application/x-kembrolla-panic-save application/x-kembrolla-panic-replay; do
    case " $types " in *" $mime "*) ;; *) echo "the menu entry does not open $mime"; status=1 ;; esac
done
for mime in $types; do
    grep -q "type=\"$mime\"" "$root/usr/share/mime/packages/$id.xml" ||
        { echo "the menu entry's file type '$mime' is not defined"; status=1; }
done
desktop-file-validate "$entry" || status=1

# shared-mime-info compiles the types and maps "*.Kembrolla" and "*.KembrollaReplay" to them (in
# any letter case).
XDG_DATA_DIRS="$root/usr/share" update-mime-database "$root/usr/share/mime"
grep -qi "^[0-9]*:application/x-kembrolla-panic-save:\*\.Kembrolla\$" "$root/usr/share/mime/globs2" ||
    { echo "*.Kembrolla is not mapped to the saved-game type"; status=1; }
grep -qi "^[0-9]*:application/x-kembrolla-panic-replay:\*\.KembrollaReplay\$" \
    "$root/usr/share/mime/globs2" || { echo "*.KembrollaReplay is not mapped to the replay type"; status=1; }
exit $status
