#!/usr/bin/env bash
# check-window-manager-hints.sh PROGRAM: the real window on a virtual X display managed by
# openbox, read as a window manager reads it (check_x11_hints in desktop-common.sh).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/desktop-common.sh"
fuel_on_own_display --always bash "$0" "$@"

background openbox --sm-disable >/dev/null 2>&1
# The window manager first, so that it manages the window from its first mapping.
wm_ready() { fuel_output_has 'window id' -- xprop -root _NET_SUPPORTING_WM_CHECK; }
fuel_poll 10 wm_ready || fuel_fail "openbox did not start"
background env QT_QPA_PLATFORM=xcb "$program"

window=$(fuel_wait_for_window) || fuel_fail "no window"

check_x11_hints "$window" openbox
