#!/bin/sh
# Lays out the bare demo as ./run demo --bare does and checks that it is what a fresh Steam install looks like to
# the program: a game folder Steam's library holds, the game's own liblist.gam and nothing an add-on installer
# leaves, a steam on PATH that logs its calls, and two archives that unpack.
set -eu
root=$1
build=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/trevlin-bare.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}
TREVLIN_ROOT=$root
# The packages are the build's to install; here only what the layout itself runs.
ensure_packages() { :; }
. "$root/demo/bare/make-bare.sh"
make_bare_demo "$scratch" >/dev/null
game=$scratch/home/.local/share/Steam/steamapps/common/Half-Life/cstrike
[ -f "$game/liblist.gam" ] || fail "the bare demo has no liblist.gam"
if find "$game" -maxdepth 1 -iname '* liblist.gam' | grep -q .; then
    fail "the bare demo holds copies of liblist.gam: $(find "$game" -maxdepth 1 -iname '* liblist.gam')"
fi
[ "$(command -v steam)" = "$scratch/bin/steam" ] || fail "the stand-in steam is not first on PATH"
steam -applaunch 10 -game cstrike
grep -q 'steam -applaunch 10 -game cstrike' "$scratch/bin/steam-calls.log" || fail "steam did not log its call"
python3 -m zipfile -t "$scratch/home/Downloads/RamBot 1.6.zip" >/dev/null || fail "the zip archive is broken"
tar -tzf "$scratch/home/Downloads/podbot_3.0.tar.gz" | grep -q '^podbot/podbot_mm.dll$' || fail "the tar is broken"
# Without the kept copy the folder is not set up yet, and the program says so instead of starting a game.
if out=$(XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=offscreen "$build/app/trevlin" --game-dir "$game" \
    --launch "Original CS" 2>&1); then
    fail "the program started a game in a folder that is not set up: $out"
fi
echo "$out" | grep -q . || fail "the program said nothing of a folder that is not set up"
