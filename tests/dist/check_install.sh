#!/bin/sh
# Installs the build into a scratch prefix and checks that a desktop finds what it needs there: the program, its
# menu entry and software-centre description (both valid), and its icons.
set -eu
build=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/trevlin-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
for file in bin/trevlin bin/trevlin-publish share/applications/org.trevlin.Trevlin.desktop \
    share/metainfo/org.trevlin.Trevlin.metainfo.xml share/icons/hicolor/scalable/apps/org.trevlin.Trevlin.svg \
    share/icons/hicolor/48x48/apps/org.trevlin.Trevlin.png; do
    if [ ! -s "$scratch/usr/$file" ]; then
        echo "not installed: $file" >&2
        exit 1
    fi
done
# A PNG's header holds its width and height, four bytes each, from byte 16.
size=$(od -An -tu1 -j16 -N8 "$scratch/usr/share/icons/hicolor/48x48/apps/org.trevlin.Trevlin.png" | tr -s ' ')
if [ "$size" != " 0 0 0 48 0 0 0 48" ]; then
    echo "the 48 pixel icon is not 48 by 48 pixels:$size" >&2
    exit 1
fi
desktop-file-validate "$scratch/usr/share/applications/org.trevlin.Trevlin.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.trevlin.Trevlin.metainfo.xml"
