#!/usr/bin/env bash
# Installs what the Windows build needs, then cross-builds it in Release into build-windows/:
# fuelcalc.exe, its tests, and the installer fuelcalc-VERSION-win64.exe. Prints both paths.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_windows_packages[@]}"

fuel_build "$FUEL_BUILD_WINDOWS" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$FUEL_ROOT/cmake/mingw-w64-x86_64.cmake"

# The program alone, byte for byte as the installer installs it and as it runs from a USB stick.
log=$FUEL_BUILD_WINDOWS/package.log
cmake --install "$FUEL_BUILD_WINDOWS" --prefix "$FUEL_BUILD_WINDOWS" >"$log" 2>&1 ||
    { cat "$log"; exit 1; }
rm -f "$FUEL_BUILD_WINDOWS"/fuelcalc-*-win64.exe
(cd "$FUEL_BUILD_WINDOWS" && cpack -G NSIS >>"$log" 2>&1) || { cat "$log"; exit 1; }
ls "$FUEL_BUILD_WINDOWS/fuelcalc.exe" "$FUEL_BUILD_WINDOWS"/fuelcalc-*-win64.exe
