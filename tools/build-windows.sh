#!/usr/bin/env bash
# Installs what the Windows builds need, then cross-builds them in Release: the shipped 32-bit
# program in build-windows/ (fuelcalc.exe, its tests, and the installer fuelcalc-VERSION-setup.exe)
# and the x86-64 build, which is tested but not shipped, in build-windows-x64/. Prints the paths of
# the two files that are shipped.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_windows_packages[@]}"

fuel_build windows-x86
fuel_build windows-x64

# The program alone, byte for byte as the installer installs it and as it runs from a USB stick,
# and the installer. The x86-64 build's installer is checked where Wine runs no 32-bit program.
for tree in "$FUEL_BUILD_WINDOWS" "$FUEL_BUILD_WINDOWS_X64"; do
    log=$tree/package.log
    cmake --install "$tree" --prefix "$tree" >"$log" 2>&1 || { cat "$log"; exit 1; }
    rm -f "$tree"/fuelcalc-*-setup.exe
    (cd "$tree" && cpack -G NSIS >>"$log" 2>&1) || { cat "$log"; exit 1; }
done
ls "$FUEL_BUILD_WINDOWS/fuelcalc.exe" "$FUEL_BUILD_WINDOWS"/fuelcalc-*-setup.exe
