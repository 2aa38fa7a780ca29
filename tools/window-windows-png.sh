#!/usr/bin/env bash
# Regenerates docs/window-windows.png: the Windows program (tools/build-windows.sh) under Wine at
# 96 dpi on a virtual display, in the frame that Wine draws for it as Windows would (wine-env.sh
# leaves Wine's windows unmanaged): title, icon, minimise and close, as the window asks.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ -z "${DISPLAY:-}" ]; then
    bash "$FUEL_ROOT/tools/build-windows.sh" >/dev/null
    source "$FUEL_ROOT/tools/wine-env.sh"
    fuel_wine_on_display bash "$0" "$@"
    exit
fi
source "$FUEL_ROOT/tools/wine-env.sh"

output=$FUEL_ROOT/docs/window-windows.png
title="Oradel - Lirra工作专版"

trap 'wineserver -k 2>/dev/null || true' EXIT

wine "$FUEL_BUILD_WINDOWS/fuelcalc.exe" &
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "no window titled $title within 20 s"; exit 1; }
# Until the controls and the frame have painted.
sleep 2
import -window "$window" "$output"
echo "$output"
