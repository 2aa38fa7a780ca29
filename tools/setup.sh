# Sourced by every script in tools/: installs what is missing from Debian, and gives the scripts
# what they share (common.sh). Running a script again skips what is already installed and built.

set -euo pipefail

FUEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The build trees are CMakePresets.json's.
FUEL_BUILD=$FUEL_ROOT/build
FUEL_BUILD_WINDOWS=$FUEL_ROOT/build-windows
FUEL_BUILD_WINDOWS_X64=$FUEL_ROOT/build-windows-x64

# One UTF-8 locale whatever the caller's, a fresh machine's none included: the window's title is
# Chinese, and xdotool, Wine and the file names all read it through the locale.
export LC_ALL=C.UTF-8

fuel_packages=(
    cmake g++ make pkg-config doctest-dev clang-format
    qt6-base-dev libgl-dev
    fonts-arphic-uming qt6-translations-l10n
    xvfb xauth imagemagick
    desktop-file-utils appstream lintian dpkg-dev file
    openbox xdotool x11-utils
    at-spi2-core dbus-daemon python3-pyatspi
    qt6-wayland weston xwayland sway grim
    gnome-shell kwin-wayland kwin-style-breeze libglib2.0-bin python3-gi
)

# What the Windows builds add, for tools/build-windows.sh and the scripts that run its programs:
# both cross-compilers (the shipped program is 32-bit, the x86-64 build is tested too), NSIS for
# the installer, Wine for 32- and 64-bit programs (wine32 comes from the i386 architecture),
# Wine's own fonts (Marlett draws the title bar's minimise and close buttons, which Wine draws
# itself) and xdotool, which finds the window for the screenshot and the checks. (The icon is
# committed; tools/make-icon.sh installs what it draws it with.)
fuel_windows_packages=(
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nsis
    wine wine64 wine32:i386 fonts-wine
    xdotool
)

fuel_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

fuel_is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"
}

# Installs the packages given that are not installed yet; a NAME:i386 package adds the i386
# architecture first.
fuel_install() {
    local missing=()
    local package
    for package in "$@"; do
        fuel_is_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        fuel_as_root dpkg --add-architecture i386
    fi
    fuel_as_root apt-get update -qq
    fuel_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# fuel_build PRESET [--target NAME...] [-DOPTION=VALUE...]: configures the preset's build tree
# (with the options given) and builds the targets named, or everything.
fuel_build() {
    local preset=$1
    shift
    local target=() options=()
    while [ $# -gt 0 ]; do
        case $1 in
        --target) target+=(--target "$2"); shift 2 ;;
        *) options+=("$1"); shift ;;
        esac
    done
    (cd "$FUEL_ROOT" && cmake --preset "$preset" "${options[@]}" >/dev/null &&
        cmake --build --preset "$preset" --parallel "$(nproc)" "${target[@]}")
}

# Qt warns at every start without a runtime folder, as on a machine with no desktop session.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/fuelcalc-runtime-$(id -u)
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

source "$FUEL_ROOT/tools/common.sh"
fuel_install "${fuel_packages[@]}"
