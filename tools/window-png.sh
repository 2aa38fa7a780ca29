#!/usr/bin/env bash
# Regenerates docs/window.png from the built program.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_build_packages[@]}" "${fuel_display_packages[@]}"

fuel_build linux --target fuelcalc
bash "$FUEL_ROOT/tools/screenshot.sh" "$FUEL_BUILD/qt/fuelcalc" "$FUEL_ROOT/docs/window.png"
bash "$FUEL_ROOT/tools/screenshot.sh" "$FUEL_BUILD/qt/fuelcalc" "$FUEL_ROOT/docs/window@2x.png" 2
