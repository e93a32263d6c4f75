# Shared by ./run and ./test: installs the Debian packages the build needs and builds the program.
# Sourced, not run.

TREVLIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TREVLIN_BUILD=${TREVLIN_BUILD:-$TREVLIN_ROOT/build}

# What a fresh Debian 12 machine lacks to build, test and benchmark the program; the last two check its desktop
# entry and its description for software centres.
TREVLIN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libbenchmark-dev fonts-dejavu-core
                  desktop-file-utils appstream)

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

build_trevlin() {
    cmake -S "$TREVLIN_ROOT" -B "$TREVLIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTREVLIN_WERROR=ON -DTREVLIN_BENCH=ON >/dev/null &&
        cmake --build "$TREVLIN_BUILD"
}
