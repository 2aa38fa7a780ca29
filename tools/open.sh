#!/usr/bin/env bash
# Builds the calculator and opens its window. Without a display, shows it on a virtual one and
# saves a screenshot instead.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_build_packages[@]}" "${fuel_display_packages[@]}"

fuel_build linux --target fuelcalc
program=$FUEL_BUILD/qt/fuelcalc

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display here: showing the window on a virtual X display (Xvfb) and saving a screenshot."
bash "$FUEL_ROOT/tools/screenshot.sh" "$program" "$FUEL_BUILD/fuelcalc-screenshot.png"
