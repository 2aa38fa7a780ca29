#!/usr/bin/env bash
# window-windows-png.sh [DPI]: regenerates docs/window-windows.png (at 96 dpi; at another DPI,
# build-windows/window-windows-DPI.png): the shipped Windows program (tools/build-windows.sh) under
# Wine on 32-bit Windows, on a virtual display, in the frame that Wine draws for it as Windows would
# (wine-env.sh leaves Wine's windows unmanaged): title, icon, minimise and close, as the window asks.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ -z "${DISPLAY:-}" ]; then
    bash "$FUEL_ROOT/tools/build-windows.sh" >/dev/null
fi
fuel_on_own_display "$0" "$@"
source "$FUEL_ROOT/tools/wine-env.sh"

dpi=${1:-96}
output=$FUEL_ROOT/docs/window-windows.png
[ "$dpi" = 96 ] || output=$FUEL_BUILD_WINDOWS/window-windows-$dpi.png
fuel_wine_prefix "$FUEL_BUILD_WINDOWS/wine-screenshot" win32 "$dpi"
trap 'wineserver -k 2>/dev/null || true' EXIT

wine "$FUEL_BUILD_WINDOWS/fuelcalc.exe" &
window=$(fuel_wait_for_window)
# Until the controls and the frame have painted.
sleep 2
import -window "$window" "$output"
echo "$output"
