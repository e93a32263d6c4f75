#!/bin/sh
# Builds the Debian package and installs and removes it in a scratch root of its own, never in the system's.
set -eu
build=$1
if ! command -v dpkg >/dev/null 2>&1 || ! command -v cpack >/dev/null 2>&1; then
    echo "dpkg or cpack is missing: the package is not tried here"
    exit 0
fi
scratch=$(mktemp -d "${TMPDIR:-/tmp}/trevlin-deb.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/packages" >/dev/null)
deb=$(ls "$scratch"/packages/trevlin_*.deb)
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status"
dpkg="dpkg --root=$root --force-not-root --force-depends --log=/dev/null"
$dpkg --install "$deb" >/dev/null
for file in usr/bin/trevlin usr/share/applications/org.trevlin.Trevlin.desktop; do
    [ -e "$root/$file" ] || { echo "the package did not install $file" >&2; exit 1; }
done
$dpkg --remove trevlin >/dev/null
if [ -e "$root/usr/bin/trevlin" ]; then
    echo "removing the package left usr/bin/trevlin" >&2
    exit 1
fi
