#!/usr/bin/env bash
# check-runs.sh PREFIX KIND PROGRAM: the shipped program itself under Wine, in the project's prefix
# of that kind (tools/wine-env.sh), started as a user starts it, with the real clock and the
# user's settings: it shows its window and, closed with Alt+F4, ends with status 0.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/common.sh"
source "$here/../../tools/wine-env.sh"
fuel_skip_unless_runs "$2" "$3"
fuel_wine_prefix "$1" "$2" >/dev/null
program=$3

wine "$program" &
running=$!
trap 'wineserver -k 2>/dev/null || true' EXIT
window=$(fuel_wait_for_window)
# Wine's own windows are unmanaged (wine-env.sh), so the window takes the focus it is given.
xdotool windowfocus --sync "$window" key alt+F4
status=0
timeout 10 tail --pid="$running" -f /dev/null || { echo "FAIL: the program still runs 10 s after its window was closed"; exit 1; }
wait "$running" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: the program ended with status $status"; exit 1; }
echo "the window was shown, and the program ended with status 0 when it was closed"
