#!/usr/bin/env bash
# Builds the Windows program and its benchmark (tools/build-windows.sh), then prints, as one
# Markdown table like tools/bench.sh's, fuelcalc.exe under Wine beside the project's bare window
# and a plain bare Win32 window (bench/win32/): start-up until painted and peak memory as ratios
# of medians, and the size of fuelcalc.exe. Figures only: it fails only when a program does not start or show its window.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ -z "${DISPLAY:-}" ]; then
    bash "$FUEL_ROOT/tools/build-windows.sh" >&2
    source "$FUEL_ROOT/tools/wine-env.sh" >&2
    fuel_wine_on_display bash "$0" "$@"
    exit
fi
source "$FUEL_ROOT/tools/wine-env.sh" >&2

runs=${FUEL_BENCH_RUNS:-11}
bench=$FUEL_BUILD_WINDOWS/bench/win32

echo
echo "| measure | figure | target | met |"
echo "|---|---|---|---|"
wine "$bench/bench_startup_win32.exe" "$runs" "$(winepath -w "$FUEL_BUILD_WINDOWS/fuelcalc.exe")" \
    "$(winepath -w "$bench/bench_bare_window_win32.exe")" \
    "$(winepath -w "$bench/bench_plain_window_win32.exe")"
