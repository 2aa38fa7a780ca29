# Sourced by every script that runs a Windows program, and by wine-run.sh, through which CTest runs
# the Windows tests: Wine prefixes of the project's own under the build trees, never ~/.wine, each
# made once and reused, that show the window as designed: SimSun (宋体) mapped to the Song font
# Debian installs, 96 dpi. They work offline, as root, with no terminal.
#
# Two kinds of prefix, as the two kinds of Windows the program ships for:
#   win32  32-bit Windows (WINEARCH=win32), which runs only 32-bit programs;
#   wow64  64-bit Windows (WINEARCH=win64), which runs 32- and 64-bit programs.

fuel_wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Where this machine runs no 32-bit program (fuel_runs_32bit), only 64-bit Windows programs run:
# the checks of a 32-bit program or prefix then skip (fuel_skip_unless_runs) and say so, and `wine`
# is Wine's 64-bit loader, which Debian's wrapper scripts would pass over for the 32-bit one.
FUEL_SKIPPED=77

# fuel_is_32bit FILE: whether FILE is a 32-bit (i386) Windows program: its PE header's machine.
fuel_is_32bit() {
    local header
    header=$(od -An -j 60 -N 4 -tu4 "$1" | tr -d ' ')
    [ "$(od -An -j $((header + 4)) -N 2 -tx2 "$1" | tr -d ' ')" = 014c ]
}

# fuel_skip_unless_runs KIND [PROGRAM]: exits with CTest's skip status, saying why, when this
# machine cannot run a prefix of that kind or that program.
fuel_skip_unless_runs() {
    fuel_runs_32bit && return 0
    if [ "$1" = win32 ] || { [ -n "${2:-}" ] && fuel_is_32bit "$2"; }; then
        echo "SKIPPED: this machine's kernel runs no 32-bit program, so Wine runs no 32-bit" \
            "Windows program${2:+ such as $(basename "$2")} here"
        exit "$FUEL_SKIPPED"
    fi
}

if ! fuel_runs_32bit; then
    fuel_wine64_shims=${TMPDIR:-/tmp}/fuelcalc-wine64-$(id -u)
    mkdir -p "$fuel_wine64_shims"
    for fuel_shim in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$fuel_wine64_shims/$fuel_shim"
        chmod +x "$fuel_wine64_shims/$fuel_shim"
    done
    export WINELOADER=/usr/lib/wine/wine64 PATH=$fuel_wine64_shims:$PATH
fi

export WINEDEBUG=-all
# Without mono and gecko (mscoree, mshtml) Wine would ask to download them; winemenubuilder
# would copy the installer's Start-menu shortcut into this machine's own desktop menu.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The host's fonts unsmoothed, as Windows draws SimSun at 9 pt (wine-fonts.conf says why).
export FONTCONFIG_FILE=$fuel_wine_root/tools/wine-fonts.conf

# The Song font of fonts-arphic-uming has the metrics the window is drawn for (each CJK
# character 12 px, each ASCII one 6 px at 9 pt and 96 dpi); Wine has no SimSun of its own.
fuel_wine_song_font="AR PL UMing CN"

# fuel_wine_registry DPI: the settings, as a version 5 .reg file. The crash dialog goes, as it would
# wait for a click that never comes on a virtual display. Wine draws the windows' own frames and
# leaves them unmanaged: a managed window that hides (a closed message box or window) waits two
# seconds for a window manager's answer that no virtual display gives, and the screenshot shows the
# title bar the window asks for, not a window manager's.
fuel_wine_registry() {
    local family
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for family in SimSun NSimSun 宋体 新宋体; do
        printf '"%s"="%s"\r\n' "$family" "$fuel_wine_song_font"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n' "$1"
    printf '\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\r\n'
    printf '"LogPixels"=dword:%08x\r\n' "$1"
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
}

# What made a prefix: a prefix made by another Wine, or by this one before wine32 was installed,
# fails every command ("could not load kernel32.dll"), so such a prefix is made again.
fuel_wine_maker() {
    echo "$(wine --version) $WINEARCH wine32 $(dpkg-query -W -f='${Version}' wine32 2>/dev/null)"
}

# fuel_wine_prefix DIR KIND [DPI]: makes DIR, a prefix of KIND (win32 or wow64), the Wine prefix of
# what follows, creating it if it is not there yet or was made by another Wine, and setting the
# fonts and the DPI (96 unless given) if they differ from what it has.
fuel_wine_prefix() {
    export WINEPREFIX=$1
    case $2 in
    win32) export WINEARCH=win32 ;;
    wow64) export WINEARCH=win64 ;;
    *) echo "fuel_wine_prefix: unknown kind of prefix '$2' (win32 or wow64)" >&2; return 1 ;;
    esac
    local dpi=${3:-96}
    local maker=$WINEPREFIX/fuelcalc-made-by.txt
    if [ -e "$WINEPREFIX" ] && [ "$(cat "$maker" 2>/dev/null)" != "$(fuel_wine_maker)" ]; then
        echo "Making the Wine prefix $WINEPREFIX again: another Wine made it"
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX ($2)"
        mkdir -p "$WINEPREFIX"
        wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 || { cat "$WINEPREFIX/wineboot.log"; return 1; }
        fuel_wine_maker >"$maker"
    fi
    # Wine draws the frame's minimise and close buttons in its own Marlett, which this Wine looks
    # for beside a data folder it misplaces (/share/wine); the Windows folder of fonts has it found.
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -f "$fonts/marlett.ttf" ] || [ ! -f "$marlett" ] || cp "$marlett" "$fonts/"
    # regedit reads version 5 files as UTF-16 with a byte-order mark; the family 宋体 needs it.
    local wanted=$WINEPREFIX/fuelcalc-settings.reg
    fuel_wine_registry "$dpi" | iconv -f UTF-8 -t UTF-16 >"$wanted.new"
    if cmp -s "$wanted.new" "$wanted"; then
        rm "$wanted.new"
    else
        wine regedit /S "$(winepath -w "$wanted.new")" >/dev/null 2>&1 ||
            { echo "regedit could not apply $wanted.new"; return 1; }
        mv "$wanted.new" "$wanted"
    fi
    wineserver -w
}
