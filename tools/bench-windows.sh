#!/usr/bin/env bash
# Builds the Windows programs and their benchmark (tools/build-windows.sh), then prints, as one
# Markdown table like tools/bench.sh's, the shipped fuelcalc.exe under Wine beside the project's
# bare window and a plain bare Win32 window (bench/win32/), on 32-bit Windows and on 64-bit
# Windows (a prefix of each kind): start-up until painted and peak memory as ratios of medians,
# and the size of fuelcalc.exe. Figures only: it fails only when a program does not start or show
# its window.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

fuel_windows_script "$0" "$@"

runs=${FUEL_BENCH_RUNS:-11}
bench=$FUEL_BUILD_WINDOWS/bench/win32

echo
echo "| measure | figure | target | met |"
echo "|---|---|---|---|"
for kind in win32 wow64; do
    system="64-bit Windows"
    [ "$kind" != win32 ] || system="32-bit Windows"
    fuel_wine_prefix "$FUEL_BUILD_WINDOWS/wine-$kind" "$kind" >&2
    wine "$bench/bench_startup_win32.exe" "$runs" "$(winepath -w "$FUEL_BUILD_WINDOWS/fuelcalc.exe")" \
        "$(winepath -w "$bench/bench_bare_window_win32.exe")" \
        "$(winepath -w "$bench/bench_plain_window_win32.exe")" "$system"
    wineserver -k
done
kib=$(($(stat -c %s "$FUEL_BUILD_WINDOWS/fuelcalc.exe") / 1024))
met=yes
[ "$kib" -lt 1024 ] || met="**no**"
echo "| size of fuelcalc.exe | $kib KiB | < 1 MiB | $met |"
