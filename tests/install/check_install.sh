#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks what a desktop needs of it.
set -euo pipefail
build_dir=$1
app_id=org.orvanta.PlaylistBuilder

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/orvanta-playlist-builder"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# The desktop offers the program for a file type only under a name its MIME database knows.
for type in $(sed -n 's/^MimeType=//p' "$prefix/share/applications/$app_id.desktop" | tr ';' ' '); do
    grep -q "type=\"$type\"" /usr/share/mime/packages/freedesktop.org.xml || { echo "unknown MIME type $type" >&2; exit 1; }
done
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop"
test -s "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    # A PNG's width and height stand at bytes 17-24 of its header.
    actual=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
    [[ $actual == "${size}x${size}" ]] || { echo "$icon is $actual, expected ${size}x${size}" >&2; exit 1; }
done
echo "installed files pass desktop-file-validate and appstreamcli validate"
