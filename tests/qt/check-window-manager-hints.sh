#!/usr/bin/env bash
# check-window-manager-hints.sh PROGRAM: the real window on a virtual X display managed by
# openbox, read as a window manager reads it (check_x11_hints in desktop-common.sh).
set -euo pipefail

program=$1

# The server never resets: see fuel_xvfb_arguments in tools/common.sh.
if [ -z "${FUEL_ON_DISPLAY:-}" ]; then
    exec env FUEL_ON_DISPLAY=1 xvfb-run --auto-servernum \
        --server-args="-screen 0 1024x768x24 -dpi 96 -noreset" bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/desktop-common.sh"

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
app=
trap 'kill $app $wm 2>/dev/null || true' EXIT
# The window manager first, so that it manages the window from its first mapping.
wm_ready() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *'window id'* ]]; }
poll 10 wm_ready || { echo "FAIL: openbox did not start"; exit 1; }
env QT_QPA_PLATFORM=xcb "$program" &
app=$!

# The window is managed once openbox has published what it allows.
find_window() { window=$(xdotool search --name 'Oradel' 2>/dev/null) && window=${window%%$'\n'*} && [ -n "$window" ]; }
managed() { [[ $(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS) == *ACTION_CLOSE* ]]; }
poll 10 find_window || { echo "FAIL: no window"; exit 1; }
poll 10 managed || { echo "FAIL: openbox did not manage the window"; exit 1; }

check_x11_hints "$window" openbox
exit $failed
