#!/usr/bin/env bash
# check-window-manager-hints.sh PROGRAM: the real window on a virtual X display managed by
# openbox, read as a window manager reads it. A fixed-size window must give the same minimum
# and maximum size, and its Motif hints must offer no maximise function (0x10) or decoration
# (0x40); the actions openbox then allows must hold neither maximising nor resizing.
#
# Qt itself adds the Motif resize function (0x2) to any function set, so that bit is not asked
# for here: the equal sizes are what tell a window manager that the window has one size.
set -euo pipefail

program=$1
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/common.sh"
fuel_on_own_display --always bash "$0" "$@"

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
app=
trap 'kill $app $wm 2>/dev/null || true' EXIT
# The window manager first, so that it manages the window from its first mapping.
wm_ready() { fuel_output_has 'window id' -- xprop -root _NET_SUPPORTING_WM_CHECK; }
fuel_poll 10 wm_ready || { echo "FAIL: openbox did not start"; exit 1; }
env QT_QPA_PLATFORM=xcb "$program" &
app=$!

# The window is managed once openbox has published what it allows.
managed() { allowed=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS) && [[ $allowed == *ACTION_CLOSE* ]]; }
window=$(fuel_wait_for_window) || { echo "FAIL: no window"; exit 1; }
fuel_poll 10 managed || { echo "FAIL: openbox did not manage the window"; exit 1; }

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

sizes=$(xprop -id "$window" WM_NORMAL_HINTS)
minimum=$(sed -n 's/.*program specified minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$sizes")
maximum=$(sed -n 's/.*program specified maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$sizes")
[ -n "$minimum" ] && [ "$minimum" = "$maximum" ] ||
    fail "minimum size '$minimum' and maximum size '$maximum' differ"

# _MOTIF_WM_HINTS = flags, functions, decorations, input mode, status
read -r flags functions decorations _ < <(xprop -id "$window" _MOTIF_WM_HINTS |
    sed -n 's/.*= //p' | tr -d ',')
[ -n "${flags:-}" ] || fail "no Motif hints"
(((flags & 0x1) && !(functions & 0x1) && !(functions & 0x10))) ||
    fail "Motif functions $functions offer maximising"
(((flags & 0x2) && !(decorations & 0x1) && !(decorations & 0x40))) ||
    fail "Motif decorations $decorations offer a maximise button"

for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
    [[ $allowed != *_NET_WM_ACTION_${action}* ]] || fail "openbox allows $action"
done

[ $failed -eq 0 ] && echo "min = max = $minimum; Motif $functions/$decorations; $allowed"
exit $failed
