# Shared by ./run and ./test: installs the Debian packages the build needs and builds the program.
# Sourced, not run.

TREVLIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TREVLIN_BUILD=${TREVLIN_BUILD:-$TREVLIN_ROOT/build}

# What a fresh Debian 12 machine lacks to build, test and benchmark the program; python3 makes the bare demo's zip,
# libarchive reads add-on archives, libsodium checks the signatures of the update lists, the l10n packages build the
# translations and bring Qt's own, and the last two check its desktop entry and its description for software centres.
TREVLIN_PACKAGES=(cmake ninja-build g++ pkg-config python3 qt6-base-dev qt6-svg-dev libarchive-dev libsodium-dev
                  qt6-l10n-tools qt6-translations-l10n libbenchmark-dev fonts-dejavu-core desktop-file-utils
                  appstream)
# What the tests run as the real counterparts of the program: minisign signs and checks update lists, nginx serves
# an update site.
TREVLIN_TEST_PACKAGES=(minisign nginx-light)

ensure_packages() {
    local missing=() package
    for package in "${TREVLIN_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing the missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}) and try again." >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Extra arguments go to CMake and override the defaults. TREVLIN_TARGETS, when set, names the only targets to build
# (./run needs the program, not its tests and benchmarks); by default everything is built.
build_trevlin() {
    local targets=()
    [ -n "${TREVLIN_TARGETS:-}" ] && read -r -a targets <<<"--target $TREVLIN_TARGETS"
    cmake -S "$TREVLIN_ROOT" -B "$TREVLIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTREVLIN_WERROR=ON -DTREVLIN_BENCH=ON "$@" >/dev/null &&
        cmake --build "$TREVLIN_BUILD" "${targets[@]}"
}

# Builds the fuzz targets with clang and libFuzzer in a folder of their own, then runs each for $1 seconds (600 by
# default) on a scratch copy of its corpus, so that the inputs it finds do not land in the repository. Names after
# the seconds pick the targets to run (e.g. "mapcycle motd"); without any, all of them run, one after the other.
fuzz_trevlin() {
    local seconds=${1:-600} build=$TREVLIN_BUILD-fuzz target name work log runs failed=0
    [ $# -gt 0 ] && shift
    local chosen=("$@")
    case "$seconds" in
    '' | *[!0-9]*)
        echo "./test fuzz takes the seconds first, then target names: ./test fuzz 600 mapcycle motd" >&2
        return 2
        ;;
    esac
    for name in "${chosen[@]}"; do
        if [ ! -d "$TREVLIN_ROOT/fuzz/corpus/$name" ]; then
            echo "No fuzz target \"$name\"; there are: $(ls "$TREVLIN_ROOT/fuzz/corpus" | tr '\n' ' ')" >&2
            return 2
        fi
    done
    ensure_packages clang libclang-rt-14-dev
    CC=clang CXX=clang++ cmake -S "$TREVLIN_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTREVLIN_WERROR=ON -DTREVLIN_FUZZ=ON >/dev/null
    if [ ${#chosen[@]} -eq 0 ]; then
        cmake --build "$build" --target trevlin_fuzz
    else
        cmake --build "$build" --target "${chosen[@]/#/fuzz_}"
    fi
    for target in "$build"/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue # not the folders CMake keeps beside them
        name=${target##*/fuzz_}
        if [ ${#chosen[@]} -gt 0 ] && [[ " ${chosen[*]} " != *" $name "* ]]; then
            continue
        fi
        work=$(mktemp -d)
        mkdir "$work/corpus"
        cp "$TREVLIN_ROOT/fuzz/corpus/$name/"* "$work/corpus/"
        log=$work/log
        echo "Fuzzing $name for $seconds s"
        if (cd "$work" && ASAN_OPTIONS=detect_leaks=0 "$target" -max_total_time="$seconds" -print_final_stats=1 \
                corpus >"$log" 2>&1); then
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
            echo "  $name: $runs runs, no finding"
        else
            failed=1
            echo "  $name: FINDING; the input and the log are in $work" >&2
            tail -40 "$log" >&2
            continue
        fi
        rm -rf "$work"
    done
    return $failed
}
