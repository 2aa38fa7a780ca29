#!/usr/bin/env bash
# screenshot.sh PROGRAM OUTPUT.png [SCALE]: shows the window on a virtual X screen exactly the
# size of the window (so the centred window fills it) and saves what the screen shows once the
# window is drawn.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

program=$1
output=$2
scale=${3:-1}
width=$(awk -v s="$scale" 'BEGIN { printf "%d", 369 * s + 0.5 }')
height=$(awk -v s="$scale" 'BEGIN { printf "%d", 290 * s + 0.5 }')

fuel_on_own_display --always --screen "${width}x${height}" bash "$0" "$@"

QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$program" &
trap 'kill $! 2>/dev/null || true' EXIT
fuel_wait_until_drawn "$(fuel_wait_for_window)"
import -window root "$output"
echo "$output"
