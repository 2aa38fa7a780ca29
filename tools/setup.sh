# Sourced by open.sh and test.sh: installs what is missing from Debian, then configures and
# builds into build/. Running it again skips what is already installed and built.

set -euo pipefail

FUEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FUEL_BUILD=${FUEL_BUILD:-$FUEL_ROOT/build}
FUEL_BUILD_WINDOWS=${FUEL_BUILD_WINDOWS:-$FUEL_ROOT/build-windows}

fuel_packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    fonts-arphic-uming qt6-translations-l10n
    xvfb xauth imagemagick
    desktop-file-utils appstream lintian dpkg-dev file
    openbox xdotool x11-utils
    at-spi2-core dbus-daemon python3-pyatspi
    qt6-wayland weston xwayland sway grim
)

# What the Windows build adds, for tools/build-windows.sh and the scripts that run its programs:
# the cross-compiler, NSIS for the installer, a 64-bit-only Wine (the installer and the program
# are both x86-64), Wine's own fonts (Marlett draws the title bar's minimise and close buttons,
# which Wine draws itself) and xdotool, which finds the window for the screenshot and the checks.
fuel_windows_packages=(
    g++-mingw-w64-x86-64-posix nsis
    wine wine64 fonts-wine
    xdotool
)

fuel_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

fuel_is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"
}

# Installs the packages given that are not installed yet.
fuel_install() {
    local missing=()
    local package
    for package in "$@"; do
        fuel_is_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    fuel_as_root apt-get update -qq
    fuel_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# fuel_build DIR [--target NAME] [-DOPTION=VALUE...]: configures DIR with the options given
# (the project's defaults otherwise) and builds NAME, or everything.
fuel_build() {
    local dir=$1
    shift
    local target=() options=()
    while [ $# -gt 0 ]; do
        case $1 in
        --target) target=(--target "$2"); shift 2 ;;
        *) options+=("$1"); shift ;;
        esac
    done
    cmake -S "$FUEL_ROOT" -B "$dir" "${options[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" "${target[@]}"
}

# Qt warns at every start without a runtime folder, as on a machine with no desktop session.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/fuelcalc-runtime-$(id -u)
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

fuel_install "${fuel_packages[@]}"
