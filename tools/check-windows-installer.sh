#!/usr/bin/env bash
# Builds the Windows installer (tools/build-windows.sh), then, under Wine in a fresh prefix of
# its own: starts fuelcalc.exe alone from an empty folder, as from a USB stick; installs silently,
# starts the installed program through its Start-menu shortcut and waits for its window, closes
# it, and uninstalls silently; after each step it checks the files, the shortcut and the "Apps
# and features" entry. Runs on a virtual display of its own when there is none.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

export FUEL_WINEPREFIX=$FUEL_BUILD_WINDOWS/wine-installer-check
if [ -z "${DISPLAY:-}" ]; then
    bash "$FUEL_ROOT/tools/build-windows.sh" >/dev/null
    rm -rf "$FUEL_WINEPREFIX"
    source "$FUEL_ROOT/tools/wine-env.sh"
    fuel_wine_on_display bash "$0" "$@"
    exit
fi
source "$FUEL_ROOT/tools/wine-env.sh"

title="Oradel - Lirra工作专版"
uninstall_key='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\fuelcalc'
passed=()
current=

begin() {
    current=$1
    echo "== $current"
}

pass() {
    passed+=("$current")
    current=
}

finish() {
    local status=$?
    wineserver -k 2>/dev/null || true
    echo
    echo "check-windows-installer summary:"
    local step
    for step in "${passed[@]}"; do
        echo "  ok      $step"
    done
    local failed=0
    if [ -n "$current" ] || [ "$status" -ne 0 ]; then
        echo "  FAILED  ${current:-after the last step}"
        failed=1
        [ "$status" -ne 0 ] || status=1
    fi
    echo "check-windows-installer: ${#passed[@]} passed, $failed failed"
    exit "$status"
}
trap finish EXIT

# The Unix path of a folder that Windows names by an environment variable, as this prefix's
# user sees it.
windows_folder() {
    winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"
}

# The uninstall entry as regedit exports it (UTF-8), or nothing when there is none.
uninstall_entry() {
    local exported=$FUEL_WINEPREFIX/uninstall-entry.reg
    rm -f "$exported"
    wine regedit /E "$(winepath -w "$exported")" "$uninstall_key" >/dev/null 2>&1 || true
    [ ! -f "$exported" ] || iconv -f UTF-16 -t UTF-8 "$exported" | tr -d '\r'
}

fail() {
    echo "$*"
    false
}

# Waits for the program's window to be shown, then closes it and waits for the program to end.
show_and_close() {
    local window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) &&
            [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "no window titled $title within 20 s"
    wine taskkill /IM fuelcalc.exe >/dev/null 2>&1 || fail "could not close fuelcalc.exe's window"
    timeout 10 wineserver -w || fail "fuelcalc.exe still runs 10 s after its window was closed"
}

installers=("$FUEL_BUILD_WINDOWS"/fuelcalc-*-win64.exe)
installer=${installers[0]}
install_dir=$(windows_folder LOCALAPPDATA)/Programs/fuelcalc
shortcut=$(windows_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/船舶主副机油耗计算器.lnk

begin "fuelcalc.exe alone, in an empty folder and not installed, shows its window"
stick=$FUEL_WINEPREFIX/drive_c/stick
mkdir "$stick"
cp "$FUEL_BUILD_WINDOWS/fuelcalc.exe" "$stick/"
wine "$stick/fuelcalc.exe" &
show_and_close
[ "$(ls -A "$stick")" = fuelcalc.exe ] || fail "fuelcalc.exe left files beside itself: $(ls -A "$stick")"
pass

begin "neither the installer nor the program asks for administrator rights"
for program in "$installer" "$FUEL_BUILD_WINDOWS/fuelcalc.exe"; do
    grep -qaE 'requestedExecutionLevel level="asInvoker"' "$program" ||
        fail "$(basename "$program") does not run as the user who starts it"
done
pass

begin "$(basename "$installer") /S installs without asking, for this user only"
wine "$installer" /S
wineserver -w
[ -f "$install_dir/fuelcalc.exe" ] || fail "no fuelcalc.exe in $install_dir"
cmp "$install_dir/fuelcalc.exe" "$FUEL_BUILD_WINDOWS/fuelcalc.exe" ||
    fail "the installed fuelcalc.exe is not the one built"
[ -f "$install_dir/uninstall.exe" ] || fail "no uninstaller in $install_dir"
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
entry=$(uninstall_entry)
echo "$entry" | grep -E '^"(DisplayName|DisplayVersion|UninstallString)"'
grep -qxF '"DisplayName"="船舶主副机油耗计算器"' <<<"$entry" || fail "no uninstall entry named 船舶主副机油耗计算器"
uninstaller=$(sed -n 's/^"UninstallString"="\\"\(.*\)\\""$/\1/p' <<<"$entry" | sed 's/\\\\/\\/g')
[ "$(winepath -u "$uninstaller")" = "$install_dir/uninstall.exe" ] ||
    fail "the uninstall entry runs '$uninstaller', not the uninstaller in $install_dir"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\fuelcalc' >/dev/null 2>&1; then
    fail "the installer wrote an entry for all users"
fi
pass

begin "the Start-menu shortcut starts the installed program, which shows its window and ends when it is closed"
wine start /unix "$shortcut"
show_and_close
pass

begin "the entry's uninstaller, with /S, removes the program, the shortcut and the entry"
wine "$uninstaller" /S
# The uninstaller runs on as a copy of itself, so that it can delete its own file.
wineserver -w
[ ! -e "$install_dir" ] || fail "$install_dir is still there: $(ls -A "$install_dir")"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
[ -z "$(uninstall_entry)" ] || fail "the uninstall entry is still there"
pass
