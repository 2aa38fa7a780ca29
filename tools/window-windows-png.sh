#!/usr/bin/env bash
# window-windows-png.sh [DPI]: regenerates docs/window-windows.png (at 96 dpi; at another DPI,
# build-windows/window-windows-DPI.png): the shipped Windows program (tools/build-windows.sh) under
# Wine on 32-bit Windows, on a virtual display, in the frame that Wine draws for it as Windows would
# (wine-env.sh leaves Wine's windows unmanaged): title, icon, minimise and close, as the window asks.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

fuel_windows_script "$0" "$@"

dpi=${1:-96}
output=$FUEL_ROOT/docs/window-windows.png
[ "$dpi" = 96 ] || output=$FUEL_BUILD_WINDOWS/window-windows-$dpi.png
fuel_wine_prefix "$FUEL_BUILD_WINDOWS/wine-screenshot" win32 "$dpi"
trap 'wineserver -k 2>/dev/null || true' EXIT

wine "$FUEL_BUILD_WINDOWS/fuelcalc.exe" &
window=$(fuel_wait_for_window)
fuel_wait_until_drawn "$window"
import -window "$window" "$output"
echo "$output"
