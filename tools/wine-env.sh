# Sourced (after setup.sh) by every script that runs the Windows build: a Wine prefix of the
# project's own under build-windows/, never ~/.wine, made once and reused, that shows the window
# as designed: SimSun (宋体) mapped to the Song font Debian installs, 96 dpi. It works offline,
# as root, with no terminal, on a display that xvfb-run starts (fuel_wine_on_display).

export WINEDEBUG=-all
# Without mono and gecko (mscoree, mshtml) Wine would ask to download them; winemenubuilder
# would copy the installer's Start-menu shortcut into this machine's own desktop menu.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# The host's fonts unsmoothed, as Windows draws SimSun at 9 pt (wine-fonts.conf says why).
export FONTCONFIG_FILE=$FUEL_ROOT/tools/wine-fonts.conf

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

# fuel_wine_prefix DIR [DPI]: makes DIR the Wine prefix of what follows, creating it if it is not
# there yet and setting the fonts and the DPI (96 unless given) if they differ from what it has.
fuel_wine_prefix() {
    export WINEPREFIX=$1
    local dpi=${2:-96}
    local wanted=$WINEPREFIX/fuelcalc-settings.reg
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        # wineboot reports that a 64-bit-only Wine has no 32-bit rundll32; nothing needs it.
        wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 || { cat "$WINEPREFIX/wineboot.log"; return 1; }
    fi
    # Wine draws the frame's minimise and close buttons in its own Marlett, which this Wine looks
    # for beside a data folder it misplaces (/share/wine); the Windows folder of fonts has it found.
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -f "$fonts/marlett.ttf" ] || [ ! -f "$marlett" ] || cp "$marlett" "$fonts/"
    # regedit reads version 5 files as UTF-16 with a byte-order mark; the family 宋体 needs it.
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

# fuel_wine_on_display COMMAND...: runs COMMAND on the current X display, or on a fresh virtual one
# when there is none, and waits for every Windows program it started to end, so that no Wine
# process outlives the display.
fuel_wine_on_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
        wineserver -w
    else
        xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" \
            bash -c '"$@"; status=$?; wineserver -w; exit $status' bash "$@"
    fi
}

# The one that the Windows tests name in CTest (tests/win32), so that sourcing this before ctest
# gives them the settings above; FUEL_WINEPREFIX chooses another, such as the installer check's.
fuel_wine_prefix "${FUEL_WINEPREFIX:-$FUEL_BUILD_WINDOWS/wineprefix}"
