#!/usr/bin/env bash
# check-windows-installer.sh [KIND...]: builds the Windows installer (tools/build-windows.sh) and
# an installer of the same sources with a lower version, then, under Wine, in a fresh prefix of
# each kind of Windows (win32: 32-bit Windows; wow64: 64-bit Windows; both unless told), checks
# what an IT department relies on, comparing the prefix's files and registry before and after
# each step with what docs/deployment.md lists (less what Wine writes for any program, found by
# starting and closing Wine's notepad):
#   - fuelcalc.exe alone, from an empty folder as from a USB stick, changes nothing;
#   - the installer's and the program's version resources, read through Windows' version API;
#   - with the older version installed and running, the new installer, silent and interactive
#     (the officer presses Cancel), and the uninstaller change nothing and exit with 1618;
#   - with it closed, /S upgrades it: the listed files and entry, the new version's, and nothing
#     of the old; the shortcut starts it; the uninstaller leaves nothing;
#   - the same upgrade and removal for all users (/S /AllUsers).
# Runs on a virtual display of its own when there is none. Where this machine runs no 32-bit
# program (tools/common.sh, fuel_runs_32bit), it says so and checks the x86-64 build's installer,
# made from the same script, on 64-bit Windows instead.
#   --installer SETUP.EXE --program FUELCALC.EXE  check these (a release's) instead of building:
#       only the per-user install, start and removal
#   --check-installed SCRIPT  also run `bash SCRIPT PROGRAM UNINSTALLER` on the installed files
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

arguments=("$@")
installer=
program=
check_installed=
given=
while [ $# -gt 0 ]; do
    case $1 in
    --installer) installer=$(realpath "$2"); given=yes; shift 2 ;;
    --program) program=$(realpath "$2"); shift 2 ;;
    --check-installed) check_installed=$(realpath "$2"); shift 2 ;;
    *) break ;;
    esac
done
version=$(fuel_version)
if [ -n "$installer" ]; then
    [ -f "$program" ] || { echo "no program to check: give the one the installer installs (--program)" >&2; exit 2; }
    fuel_windows_script --given "$0" "${arguments[@]}"
else
    fuel_windows_script "$0" "${arguments[@]}"
    installer=$FUEL_BUILD_WINDOWS/fuelcalc-$version-setup.exe
    program=$FUEL_BUILD_WINDOWS/fuelcalc.exe
fi

kinds=("$@")
[ $# -gt 0 ] || kinds=(win32 wow64)
build=$FUEL_BUILD_WINDOWS
preset=windows-x86
if ! fuel_runs_32bit; then
    echo "NOTE: this machine's kernel runs no 32-bit program, so Wine runs neither 32-bit Windows" \
        "nor $(basename "$installer"), a 32-bit program, here."
    [ -z "$given" ] || { echo "SKIPPED: $installer"; exit 0; }
    echo "Checked instead: the x86-64 build's installer, of the same script, on 64-bit Windows."
    build=$FUEL_BUILD_WINDOWS_X64
    preset=windows-x64
    installer=$build/fuelcalc-$version-setup.exe
    program=$build/fuelcalc.exe
    kinds=(wow64)
fi
product=船舶主副机油耗计算器
document=$FUEL_ROOT/docs/deployment.md
per_user="仅为当前用户安装"
all_users="为所有用户安装"
leftovers="卸载后可能留下的"

stop_wine() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
}

# A version below this one's, for the installer of "the version installed before".
older_version() {
    local major minor
    IFS=. read -r major minor _ <<<"$version"
    if [ "$minor" -gt 0 ]; then echo "$major.$((minor - 1)).0"; else echo "$((major - 1)).9.0"; fi
}

# These sources with an older version in their project(VERSION), built as the shipped program is
# (kept, and built again incrementally, under the build tree); prints the installer's path.
build_older_installer() {
    local old tree=$build/installer-check-older log
    old=$(older_version)
    log=$tree.log
    mkdir -p "$tree"
    tar -C "$FUEL_ROOT" --exclude='./build*' --exclude=./dist --exclude=./.git -cf - . | tar -C "$tree" -xf -
    sed -i "s/^project(fuelcalc VERSION $version /project(fuelcalc VERSION $old /" "$tree/CMakeLists.txt"
    (cd "$tree" && cmake --preset "$preset" -DBUILD_TESTING=OFF -DFUEL_BUILD_BENCH=OFF &&
        cmake --build --preset "$preset" --parallel "$(nproc)" --target fuelcalc &&
        cd "$(basename "$build")" && rm -f fuelcalc-*-setup.exe && cpack -G NSIS) >"$log" 2>&1 ||
        { cat "$log" >&2; return 1; }
    echo "$tree/$(basename "$build")/fuelcalc-$old-setup.exe"
}

# The Unix path of a folder that Windows names by an environment variable, as the installer sees
# it in this prefix.
windows_folder() {
    winepath -u "$(wine "$FUEL_WINE_CMD" /c echo "%$1%" | tr -d '\r')"
}

# uninstall_entry SOFTWARE: the uninstall entry under that key as regedit exports it (UTF-8), or
# nothing.
uninstall_entry() {
    local exported=$WINEPREFIX/uninstall-entry.reg key=$1\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\fuelcalc
    rm -f "$exported"
    wine regedit /E "$(winepath -w "$exported")" "$key" >/dev/null 2>&1 || true
    [ ! -f "$exported" ] || iconv -f UTF-16 -t UTF-8 "$exported" | tr -d '\r'
}

# snapshot NAME: the prefix's files and registry as they are now.
snapshot() {
    wineserver -w
    python3 "$FUEL_ROOT/tools/prefix_changes.py" snapshot "$WINEPREFIX" "$WINEPREFIX/$1.json"
}

# changed_as FROM TO [SECTION [--may]]: from snapshot FROM to TO, exactly what docs/deployment.md
# lists under SECTION changed (nothing, without one; with --may, some of it or nothing).
changed_as() {
    python3 "$FUEL_ROOT/tools/prefix_changes.py" check "$WINEPREFIX/$1.json" "$WINEPREFIX/$2.json" \
        "$WINEPREFIX/noise.json" "$document" "${3:-}" ${4:+"$4"} ||
        fuel_fail "the prefix changed otherwise than $(basename "$document") says${3:+ under \"$3\"}"
}

# exit_status COMMAND...: runs the Windows command, waits for it alone (the program may be running
# beside it), and prints its exit status as Windows gives it: the status of `wine` keeps only its
# low eight bits (1618 comes out as 82), so a batch file of the prefix says it (fresh_prefix).
exit_status() {
    local program
    program=$(winepath -w "$1")
    shift
    # cmd ends with the command's status as well.
    { wine cmd /c 'C:\status.bat' "$program" "$@" || true; } | tr -d '\r' | sed -n 's/^exit status //p'
}

# exits_with STATUS COMMAND...: runs the command (exit_status) and checks its exit status.
exits_with() {
    local expected=$1 status
    shift
    status=$(exit_status "$@")
    [ "$status" = "$expected" ] || fuel_fail "$(basename "$1") ${*:2} exited with $status, not $expected"
}

# close_window TITLE: closes the window with Alt+F4 (Wine's windows are unmanaged, so it takes
# the focus it is given) and waits for every program to end.
close_window() {
    local window
    window=$(fuel_wait_for_window "$1")
    xdotool windowfocus --sync "$window" key alt+F4
    timeout 10 wineserver -w || fuel_fail "a program still runs 10 s after '$1' was closed"
}

# check_installed_as SOFTWARE FOLDER SHORTCUT: the files of this version and its entry.
check_installed_as() {
    local entry uninstaller
    cmp "$2/fuelcalc.exe" "$program" || fuel_fail "the installed fuelcalc.exe is not the one built"
    [ -z "$check_installed" ] || bash "$check_installed" "$2/fuelcalc.exe" "$2/uninstall.exe"
    [ -f "$3" ] || fuel_fail "no Start-menu shortcut $3"
    entry=$(uninstall_entry "$1")
    echo "$entry" | grep -E '^"(DisplayName|DisplayVersion|UninstallString)"'
    grep -qxF "\"DisplayName\"=\"$product\"" <<<"$entry" || fuel_fail "no uninstall entry named $product in $2"
    grep -qxF "\"DisplayVersion\"=\"$version\"" <<<"$entry" ||
        fuel_fail "the uninstall entry does not give the version $version"
    uninstaller=$(sed -n 's/^"UninstallString"="\\"\(.*\)\\""$/\1/p' <<<"$entry" | sed 's/\\\\/\\/g')
    [ "$(winepath -u "$uninstaller")" = "$2/uninstall.exe" ] ||
        fuel_fail "the uninstall entry runs '$uninstaller', not the uninstaller in $2"
}

# fresh_prefix KIND: a new prefix of that kind, and what Wine writes there when any program runs.
fresh_prefix() {
    rm -rf "$FUEL_BUILD_WINDOWS/wine-installer-check-$1"
    fuel_wine_prefix "$FUEL_BUILD_WINDOWS/wine-installer-check-$1" "$1"
    # The installer's view of the prefix: a 32-bit program's folders and registry on 64-bit
    # Windows are those of WoW64.
    export FUEL_WINE_CMD='C:\windows\system32\cmd.exe' FUEL_WOW64=0
    common_software='HKEY_LOCAL_MACHINE\Software'
    if [ "$1" = wow64 ] && fuel_is_32bit "$installer"; then
        FUEL_WINE_CMD='C:\windows\syswow64\cmd.exe' FUEL_WOW64=1
        common_software+='\Wow6432Node'
    fi
    printf '@%%*\r\n@echo exit status %%errorlevel%%\r\n' >"$WINEPREFIX/drive_c/status.bat"
    snapshot before-notepad
    wine notepad &
    close_window "Untitled - Notepad"
    snapshot after-notepad
    python3 "$FUEL_ROOT/tools/prefix_changes.py" noise "$WINEPREFIX/before-notepad.json" \
        "$WINEPREFIX/after-notepad.json" "$WINEPREFIX/noise.json"
    user_folder=$(windows_folder LOCALAPPDATA)/Programs/fuelcalc
    user_shortcut=$(windows_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/$product.lnk
    common_folder=$(windows_folder ProgramFiles)/fuelcalc
    common_shortcut=$(windows_folder ProgramData)/Microsoft/Windows/Start\ Menu/Programs/$product.lnk
}

check_portable() {
    fuel_step "fuelcalc.exe alone, from an empty folder, shows its window and changes nothing $on"
    local stick=$WINEPREFIX/drive_c/stick
    mkdir "$stick"
    cp "$program" "$stick/"
    snapshot before-portable
    wine "$stick/fuelcalc.exe" &
    close_window "$FUEL_WINDOW_TITLE"
    snapshot after-portable
    changed_as before-portable after-portable
    rm -r "$stick"
    fuel_step_passed
}

check_version_resources() {
    fuel_step "the installer's and the program's version resources name $product $version $on"
    local file values
    for file in "$installer" "$program"; do
        values=$(wine "$build/tests/win32/read_version.exe" "$(winepath -w "$file")" | tr -d '\r')
        echo "$(basename "$file"): $values" | tr '\n' ' '
        echo
        for line in "ProductName=$product" "ProductVersion=$version" "FileVersion=$version"; do
            grep -qxF "$line" <<<"$values" || fuel_fail "$(basename "$file") has no $line"
        done
        for name in FileDescription CompanyName LegalCopyright; do
            grep -q "^$name=." <<<"$values" || fuel_fail "$(basename "$file") has no $name"
        done
    done
    fuel_step_passed
}

# While the older version runs, nothing touches it: the silent installer and uninstaller exit
# with 1618, the interactive installer asks and, cancelled, exits with 1618 too.
check_refused_while_running() {
    fuel_step "with the older version running, the installer and the uninstaller change nothing $on"
    # Wine writes the registry out when its last program ends: the prefix is read before the
    # program starts and after it is closed, and the program itself writes nothing.
    snapshot before-running
    wine start /unix "$user_shortcut"
    fuel_wait_for_window >/dev/null
    exits_with 1618 "$installer" /S
    local window status=$WINEPREFIX/interactive-status
    exit_status "$installer" >"$status" &
    local interactive=$!
    window=$(fuel_wait_for_window "$product $version 安装") || fuel_fail "the installer asked nothing"
    xdotool windowfocus --sync "$window" key Escape
    wait "$interactive"
    [ "$(cat "$status")" = 1618 ] ||
        fuel_fail "the interactive installer, cancelled, exited with $(cat "$status"), not 1618"
    # _?= runs the uninstaller where it is, as the one that returns its own exit status.
    exits_with 1618 "$user_folder/uninstall.exe" /S "_?=$(winepath -w "$user_folder")"
    close_window "$FUEL_WINDOW_TITLE"
    snapshot refused
    changed_as before-running refused
    fuel_step_passed
}

# check_upgrade SECTION SOFTWARE FOLDER SHORTCUT OLDER [SWITCH]: the older version, then this one over
# it, then removal.
check_upgrade() {
    local section=$1 older=$5 switch=(${6:+"$6"})
    fuel_step "$(basename "$older") /S ${switch[*]} installs the older version $on"
    snapshot before-install
    exits_with 0 "$older" /S "${switch[@]}"
    snapshot older
    changed_as before-install older "$section"
    fuel_step_passed

    [ "$section" != "$per_user" ] || check_refused_while_running

    check_install "$@"
}

# check_install SECTION SOFTWARE FOLDER SHORTCUT OLDER|- [SWITCH]: this version installed with /S
# over what snapshot before-install found (OLDER, or nothing), as SECTION lists, then removed.
check_install() {
    local section=$1 software=$2 folder=$3 shortcut=$4 over= switch=(${6:+"$6"})
    [ "$5" = - ] || over=" over $(basename "$5")"
    fuel_step "$(basename "$installer") /S ${switch[*]} installs $section$over, this version's files only $on"
    exits_with 0 "$installer" /S "${switch[@]}"
    snapshot installed
    changed_as before-install installed "$section"
    check_installed_as "$software" "$folder" "$shortcut"
    fuel_step_passed

    check_start_and_removal "$section" "$shortcut" "$folder"
}

# check_start_and_removal SECTION SHORTCUT FOLDER: the shortcut starts the installed program; its
# uninstaller, with /S, leaves the prefix as it was before the installation.
check_start_and_removal() {
    fuel_step "the Start-menu shortcut starts the installed program $on"
    wine start /unix "$2"
    close_window "$FUEL_WINDOW_TITLE"
    fuel_step_passed

    fuel_step "the uninstaller, with /S, removes all that the installation wrote ($1) $on"
    wine "$3/uninstall.exe" /S
    # The uninstaller runs on as a copy of itself, so that it can delete its own file.
    wineserver -w
    snapshot removed
    changed_as before-install removed "$leftovers" --may
    fuel_step_passed
}

check_on() {
    on="on 64-bit Windows"
    [ "$1" != win32 ] || on="on 32-bit Windows"
    fuel_step "a fresh Wine prefix $on, and what Wine itself writes there"
    fresh_prefix "$1"
    fuel_step_passed
    check_portable
    if [ -n "$given" ]; then
        snapshot before-install
        check_install "$per_user" "HKEY_CURRENT_USER\\Software" "$user_folder" "$user_shortcut" -
        return
    fi
    check_version_resources
    check_upgrade "$per_user" "HKEY_CURRENT_USER\\Software" "$user_folder" "$user_shortcut" "$older"
    check_upgrade "$all_users" "$common_software" "$common_folder" "$common_shortcut" "$older" /AllUsers
}

fuel_steps check-windows-installer stop_wine

fuel_step "neither the installer nor the program asks for administrator rights"
for file in "$installer" "$program"; do
    grep -qaE 'requestedExecutionLevel level="asInvoker"' "$file" ||
        fuel_fail "$(basename "$file") does not run as the user who starts it"
done
fuel_step_passed

if [ -z "$given" ]; then
    fuel_step "an installer of these sources as version $(older_version)"
    older=$(build_older_installer)
    fuel_step_passed
fi

for kind in "${kinds[@]}"; do
    check_on "$kind"
    stop_wine
done
