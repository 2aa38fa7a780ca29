#!/usr/bin/env bash
# check-windows-installer.sh [KIND...]: builds the Windows installer (tools/build-windows.sh),
# then, under Wine, in a fresh prefix of each kind of Windows (win32: 32-bit Windows; wow64: 64-bit
# Windows; both unless told): starts fuelcalc.exe alone from an empty folder, as from a USB stick;
# installs silently, starts the installed program through its Start-menu shortcut and waits for
# its window, closes it, and uninstalls silently; after each step it checks the files, the
# shortcut and the "Apps and features" entry. Runs on a virtual display of its own when there is
# none.
#   --installer SETUP.EXE --program FUELCALC.EXE  check these (a release's) instead of building
#   --check-installed SCRIPT  also run `bash SCRIPT PROGRAM UNINSTALLER` on the installed files
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

arguments=("$@")
installer=
program=
check_installed=
while [ $# -gt 0 ]; do
    case $1 in
    --installer) installer=$(realpath "$2"); shift 2 ;;
    --program) program=$(realpath "$2"); shift 2 ;;
    --check-installed) check_installed=$(realpath "$2"); shift 2 ;;
    *) break ;;
    esac
done
if [ -n "$installer" ]; then
    [ -f "$program" ] || { echo "no program to check: give the one the installer installs (--program)" >&2; exit 2; }
    fuel_windows_script --given "$0" "${arguments[@]}"
else
    fuel_windows_script "$0" "${arguments[@]}"
    installer=$FUEL_BUILD_WINDOWS/fuelcalc-$(fuel_version)-setup.exe
    program=$FUEL_BUILD_WINDOWS/fuelcalc.exe
fi

kinds=("$@")
[ $# -gt 0 ] || kinds=(win32 wow64)
uninstall_key='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\fuelcalc'
version=$(fuel_version)

stop_wine() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null
}

# The Unix path of a folder that Windows names by an environment variable, as this prefix's
# user sees it.
windows_folder() {
    winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"
}

# The uninstall entry as regedit exports it (UTF-8), or nothing when there is none.
uninstall_entry() {
    local exported=$WINEPREFIX/uninstall-entry.reg
    rm -f "$exported"
    wine regedit /E "$(winepath -w "$exported")" "$uninstall_key" >/dev/null 2>&1 || true
    [ ! -f "$exported" ] || iconv -f UTF-16 -t UTF-8 "$exported" | tr -d '\r'
}

# Waits for the program's window to be shown, then closes it and waits for the program to end.
show_and_close() {
    fuel_wait_for_window >/dev/null
    wine taskkill /IM fuelcalc.exe >/dev/null 2>&1 || fuel_fail "could not close fuelcalc.exe's window"
    timeout 10 wineserver -w || fuel_fail "fuelcalc.exe still runs 10 s after its window was closed"
}

# check_on KIND: every step in a fresh prefix of that kind.
check_on() {
    local on="on 64-bit Windows"
    [ "$1" != win32 ] || on="on 32-bit Windows"
    fuel_step "a fresh Wine prefix $on"
    rm -rf "$FUEL_BUILD_WINDOWS/wine-installer-check-$1"
    fuel_wine_prefix "$FUEL_BUILD_WINDOWS/wine-installer-check-$1" "$1"
    local install_dir shortcut
    install_dir=$(windows_folder LOCALAPPDATA)/Programs/fuelcalc
    shortcut=$(windows_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/船舶主副机油耗计算器.lnk
    fuel_step_passed

    fuel_step "fuelcalc.exe alone, in an empty folder and not installed, shows its window $on"
    local stick=$WINEPREFIX/drive_c/stick
    mkdir "$stick"
    cp "$program" "$stick/"
    wine "$stick/fuelcalc.exe" &
    show_and_close
    [ "$(ls -A "$stick")" = fuelcalc.exe ] ||
        fuel_fail "fuelcalc.exe left files beside itself: $(ls -A "$stick")"
    fuel_step_passed

    fuel_step "$(basename "$installer") /S installs without asking, for this user only, $on"
    wine "$installer" /S
    wineserver -w
    [ -f "$install_dir/fuelcalc.exe" ] || fuel_fail "no fuelcalc.exe in $install_dir"
    cmp "$install_dir/fuelcalc.exe" "$program" || fuel_fail "the installed fuelcalc.exe is not the one built"
    [ -f "$install_dir/uninstall.exe" ] || fuel_fail "no uninstaller in $install_dir"
    [ -z "$check_installed" ] || bash "$check_installed" "$install_dir/fuelcalc.exe" "$install_dir/uninstall.exe"
    [ -f "$shortcut" ] || fuel_fail "no Start-menu shortcut $shortcut"
    local entry uninstaller
    entry=$(uninstall_entry)
    echo "$entry" | grep -E '^"(DisplayName|DisplayVersion|UninstallString)"'
    grep -qxF '"DisplayName"="船舶主副机油耗计算器"' <<<"$entry" ||
        fuel_fail "no uninstall entry named 船舶主副机油耗计算器"
    grep -qxF "\"DisplayVersion\"=\"$version\"" <<<"$entry" ||
        fuel_fail "the uninstall entry does not give the version $version"
    uninstaller=$(sed -n 's/^"UninstallString"="\\"\(.*\)\\""$/\1/p' <<<"$entry" | sed 's/\\\\/\\/g')
    [ "$(winepath -u "$uninstaller")" = "$install_dir/uninstall.exe" ] ||
        fuel_fail "the uninstall entry runs '$uninstaller', not the uninstaller in $install_dir"
    if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\fuelcalc' >/dev/null 2>&1; then
        fuel_fail "the installer wrote an entry for all users"
    fi
    fuel_step_passed

    fuel_step "the Start-menu shortcut starts the installed program, which shows its window and ends when it is closed, $on"
    wine start /unix "$shortcut"
    show_and_close
    fuel_step_passed

    fuel_step "the entry's uninstaller, with /S, removes the program, the shortcut and the entry, $on"
    wine "$uninstaller" /S
    # The uninstaller runs on as a copy of itself, so that it can delete its own file.
    wineserver -w
    [ ! -e "$install_dir" ] || fuel_fail "$install_dir is still there: $(ls -A "$install_dir")"
    [ ! -e "$shortcut" ] || fuel_fail "the shortcut is still there"
    [ -z "$(uninstall_entry)" ] || fuel_fail "the uninstall entry is still there"
    fuel_step_passed
}

fuel_steps check-windows-installer stop_wine

fuel_step "neither the installer nor the program asks for administrator rights"
for file in "$installer" "$program"; do
    grep -qaE 'requestedExecutionLevel level="asInvoker"' "$file" ||
        fuel_fail "$(basename "$file") does not run as the user who starts it"
done
fuel_step_passed

for kind in "${kinds[@]}"; do
    check_on "$kind"
    stop_wine
done
