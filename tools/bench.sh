#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and prints their figures as one Markdown table:
# the calculation, a week of real-time ticks, and start-up beside a bare Qt window, offscreen and
# on a virtual X display. Figures only: nothing here fails on a slow machine, only on wrong
# captions or a program that does not start.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_build_packages[@]}" "${fuel_display_packages[@]}"

dir=$FUEL_ROOT/build-bench
runs=${FUEL_BENCH_RUNS:-15}
fuel_build bench >&2

startup=("$dir/bench/bench_startup")
programs=("$runs" "$dir/bench/bench_fuelcalc_window" "$dir/bench/bench_bare_window")

echo
echo "| measure | figure | target | met |"
echo "|---|---|---|---|"
"$dir/bench/bench_calculation"
"$dir/bench/bench_week_at_sea"
QT_QPA_PLATFORM=offscreen "${startup[@]}" offscreen "${programs[@]}"
fuel_xvfb_run env QT_QPA_PLATFORM=xcb "${startup[@]}" Xvfb "${programs[@]}"
