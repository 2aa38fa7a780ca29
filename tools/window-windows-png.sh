#!/usr/bin/env bash
# Regenerates docs/window-windows.png: the Windows program (tools/build-windows.sh) under Wine at
# 96 dpi, framed by openbox on a virtual display, as a Windows user sees it but for the frame.
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

# Openbox draws a maximise button even on a window whose hints forbid it, as Wine's do for a
# window without WS_MAXIMIZEBOX; Windows draws none, so the title bar keeps only minimise and
# close (icon, label, iconify, close).
openbox_config=$FUEL_BUILD_WINDOWS/openbox-rc.xml
cat >"$openbox_config" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><titleLayout>NLIC</titleLayout></theme>
</openbox_config>
XML
openbox --config-file "$openbox_config" >/dev/null 2>&1 &
openbox_pid=$!
trap 'wineserver -k 2>/dev/null || true; kill "$openbox_pid" 2>/dev/null || true' EXIT

wine "$FUEL_BUILD_WINDOWS/fuelcalc.exe" &
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "no window titled $title within 20 s"; exit 1; }
# Until the controls have painted and openbox has drawn the frame around them.
sleep 2
import -frame -window "$window" "$output"
echo "$output"
