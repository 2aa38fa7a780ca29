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
# Qt warns at every start without one, as it is on a machine with no desktop session.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
xvfb-run --auto-servernum --server-args="-screen 0 ${width}x${height}x24 -dpi 96" \
    bash -c "'$program' & pid=\$!; sleep 2; import -window root '$output'; kill \$pid"
echo "$output"
