#!/usr/bin/env bash
# screenshot.sh PROGRAM OUTPUT.png [SCALE]: shows the window on a virtual X screen exactly the
# size of the window (so the centred window fills it) and saves what the screen shows.
set -euo pipefail

program=$1
output=$2
scale=${3:-1}
width=$(awk -v s="$scale" 'BEGIN { printf "%d", 369 * s + 0.5 }')
height=$(awk -v s="$scale" 'BEGIN { printf "%d", 290 * s + 0.5 }')

export QT_SCALE_FACTOR=$scale
xvfb-run --auto-servernum --server-args="-screen 0 ${width}x${height}x24 -dpi 96 -noreset" \
    bash -c "'$program' & pid=\$!; sleep 2; import -window root '$output'; kill \$pid"
echo "$output"
