# Sourced by ./run: lays out Trevlin's bare demo in a scratch folder. Not run on its own.

# $1 is the scratch folder. It gets a home folder with a Steam install holding Half-Life as Steam leaves it (the
# game's own liblist.gam and libraries, no copies that an add-on installer would have made), a stand-in steam on
# PATH, and two add-on archives in the home folder's Downloads.
make_bare_demo() {
    local scratch=$1 root=$TREVLIN_ROOT/demo
    local steam=$scratch/home/.local/share/Steam
    local halflife=$steam/steamapps/common/Half-Life
    # The zip archive is made with Python's zipfile, which a fresh Debian lacks.
    ensure_packages python3
    mkdir -p "$steam/steamapps/common" "$scratch/bin" "$scratch/home/Downloads"
    cp -a "$root/Half-Life" "$halflife"
    # What the old installer left behind goes: the kept descriptor and every add-on's prepared copy.
    find "$halflife/cstrike" -maxdepth 1 -iname '* liblist.gam' -delete
    mkdir -p "$halflife/cstrike/dlls"
    printf 'stand-in for the game'"'"'s Windows library\n' >"$halflife/cstrike/dlls/mp.dll"
    printf 'stand-in for the game'"'"'s Linux library\n' >"$halflife/cstrike/dlls/cs_i386.so"
    cp "$halflife/hl.sh" "$halflife/hl_linux"
    cp "$root/bare/steam" "$scratch/bin/steam"
    (cd "$root/bare/archives/rambot" && python3 -m zipfile -c "$scratch/home/Downloads/RamBot 1.6.zip" "RamBot 1.6")
    tar -C "$root/bare/archives/podbot" -czf "$scratch/home/Downloads/podbot_3.0.tar.gz" podbot
    export HOME="$scratch/home"
    export PATH="$scratch/bin:$PATH"
    echo "Bare demo: Half-Life as Steam installs it, in $halflife"
    echo "Add-on archives to install: $scratch/home/Downloads"
    echo "Calls to the stand-in steam are logged in $scratch/bin/steam-calls.log"
}
