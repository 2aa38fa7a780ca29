# Sourced by every script in tools/: the build trees, the packages each kind of work needs, how to
# install them and how to build, and what the scripts share (common.sh). Sourcing installs nothing:
# each script installs what it needs, and running it again skips what is already installed.

set -euo pipefail

FUEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The build trees are CMakePresets.json's.
FUEL_BUILD=$FUEL_ROOT/build
FUEL_BUILD_WINDOWS=$FUEL_ROOT/build-windows
FUEL_BUILD_WINDOWS_X64=$FUEL_ROOT/build-windows-x64

# One UTF-8 locale whatever the caller's, a fresh machine's none included: the window's title is
# Chinese, and xdotool, Wine and the file names all read it through the locale.
export LC_ALL=C.UTF-8

# What configuring and building the Linux tree needs: the compiler, Qt, doctest, the Song font and
# Qt's Chinese texts the window is drawn with, and the validators its packaging tests find.
fuel_build_packages=(
    cmake g++ make pkg-config doctest-dev
    qt6-base-dev libgl-dev
    fonts-arphic-uming qt6-translations-l10n
    desktop-file-utils appstream
)

# A virtual X display, the windows found on it, and pictures of it.
fuel_display_packages=(xvfb xauth imagemagick xdotool x11-utils)

# What the Linux tests run besides: the layout check, the package's tools, a window manager, the
# accessibility bus, and the Wayland compositors the window is tried under.
fuel_test_packages=(
    clang-format
    lintian dpkg-dev file
    openbox
    at-spi2-core dbus-daemon python3-pyatspi
    qt6-wayland weston xwayland sway grim
    gnome-shell kwin-wayland kwin-style-breeze libglib2.0-bin python3-gi
)

# What the Windows builds need, for tools/build-windows.sh and the scripts that run its programs:
# CMake and doctest, both cross-compilers (the shipped program is 32-bit, the x86-64 build is
# tested too), NSIS for the installer, Wine for 32- and 64-bit programs (wine32 comes from the
# i386 architecture), Wine's own fonts (Marlett draws the title bar's minimise and close buttons,
# which Wine draws itself) and the Song font, and a display to run them on. (The icon is committed;
# tools/make-icon.sh installs what it draws it with.)
fuel_windows_packages=(
    cmake make doctest-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nsis
    wine wine64 wine32:i386 fonts-wine fonts-arphic-uming
    "${fuel_display_packages[@]}"
)

# The version being built, as CMake's project(VERSION) in the top CMakeLists.txt says it; every
# other place takes it from there.
fuel_version() {
    sed -n 's/^project(fuelcalc VERSION \([0-9.]*\) .*/\1/p' "$FUEL_ROOT/CMakeLists.txt"
}

fuel_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages given that are not installed yet, asking dpkg once for all of them; a
# NAME:i386 package adds the i386 architecture first. Says what it installs on standard error, so
# that a script's own output stays its own.
fuel_install() {
    local installed missing=() package native
    native=$(dpkg --print-architecture)
    installed=$'\n'$(dpkg-query -W -f='${db:Status-Status} ${Package}:${Architecture}\n' "$@" \
        2>/dev/null || true)$'\n'
    for package in "$@"; do
        case $installed in
        *$'\n'"installed $package"$'\n'* | *$'\n'"installed $package:$native"$'\n'* | \
            *$'\n'"installed $package:all"$'\n'*) ;;
        *) missing+=("$package") ;;
        esac
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    if [[ " ${missing[*]}" == *:i386* ]] && ! fuel_output_has -x i386 -- dpkg --print-foreign-architectures; then
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

# fuel_windows_script [--given] "$0" "$@": the preamble of the scripts that run the Windows
# programs. Builds them, incrementally, so that no run uses a stale exe (skipped where the run that
# started this one has built them, or --given: the script checks files it was given); runs the
# script again on a virtual display of its own when there is none; sets up Wine (wine-env.sh).
fuel_windows_script() {
    local given=
    if [ "$1" = --given ]; then
        given=yes
        shift
    fi
    if [ -z "$given" ] && [ -z "${FUEL_WINDOWS_BUILT:-}" ]; then
        bash "$FUEL_ROOT/tools/build-windows.sh" >&2
        export FUEL_WINDOWS_BUILT=yes
    fi
    fuel_on_own_display bash "$@"
    source "$FUEL_ROOT/tools/wine-env.sh"
}

# Qt warns at every start without a runtime folder, as on a machine with no desktop session.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/fuelcalc-runtime-$(id -u)
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

source "$FUEL_ROOT/tools/common.sh"
