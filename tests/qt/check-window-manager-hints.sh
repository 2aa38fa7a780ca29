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

# The server never resets: see fuel_xvfb_arguments in tools/common.sh.
if [ -z "${FUEL_ON_DISPLAY:-}" ]; then
    exec env FUEL_ON_DISPLAY=1 xvfb-run --auto-servernum \
        --server-args="-screen 0 1024x768x24 -dpi 96 -noreset" bash "$0" "$@"
fi

# poll SECONDS COMMAND...: runs the command every tenth of a second until it succeeds.
poll() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.1
    done
}

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
app=
trap 'kill $app $wm 2>/dev/null || true' EXIT
# The window manager first, so that it manages the window from its first mapping.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
poll 10 wm_ready || { echo "FAIL: openbox did not start"; exit 1; }
env QT_QPA_PLATFORM=xcb "$program" &
app=$!

# The window is managed once openbox has published what it allows.
find_window() { window=$(xdotool search --name 'Oradel' 2>/dev/null | head -n 1) && [ -n "$window" ]; }
managed() { allowed=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS) && [[ $allowed == *ACTION_CLOSE* ]]; }
poll 10 find_window || { echo "FAIL: no window"; exit 1; }
poll 10 managed || { echo "FAIL: openbox did not manage the window"; exit 1; }

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
