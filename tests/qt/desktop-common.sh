# shellcheck shell=bash
# Sourced by the checks that run the window under a window manager or a compositor: skipping,
# waiting, failing, and reading the window as a window manager and a screen show it.

# The checks' arguments, as each check's opening comment names them.
program=$1 desktop=${2:-} reference=${3:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/common.sh"
# The four date and time fields of the start and end rows, in the client area's pixels: they
# show the clock, so a screenshot may differ from the picture there.
clock_fields=88,32,305,74

skip() {
    echo "SKIP: $*"
    exit 77
}
requires() {
    command -v "$1" >/dev/null || skip "$1 is not installed (Debian package $2)"
}

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# client_area_on SCREENSHOT REFERENCE: finds the client area, drawn as REFERENCE, on the
# screenshot; prints where it lies, or why it is not there, and fails then.
client_area_on() {
    python3 "$here/find_window.py" "$1" "$2" "$clock_fields"
}

# expect_on_screen SHOOT FILE: within 10 s, the screenshot that `SHOOT FILE` takes shows the
# client area as REFERENCE draws it; prints where, or fails saying why not.
expect_on_screen() {
    on_screen() { "$1" "$2" && client_area_on "$2" "$reference" >"$work/found.txt"; }
    fuel_poll 10 on_screen "$@" && cat "$work/found.txt" ||
        fail "$(cat "$work/found.txt" 2>/dev/null || echo "no screenshot")"
}

# check_x11_hints WINDOW MANAGER: once MANAGER manages the window (it has published what it
# allows), reads the X window's hints as a window manager does, and what the window manager then
# allows. A fixed-size window gives the same minimum and maximum size,
# and its Motif hints offer no maximise function (0x10) or decoration (0x40); the actions the
# window manager publishes hold neither maximising nor resizing. Qt itself adds the Motif resize
# function (0x2) to any function set, so that bit is not asked for: the equal sizes are what tell
# a window manager that the window has one size.
check_x11_hints() {
    local window=$1 manager=$2 sizes minimum maximum flags functions decorations allowed action
    managed() { [[ $(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS) == *ACTION_CLOSE* ]]; }
    fuel_poll 10 managed || { echo "FAIL: $manager did not manage the window"; exit 1; }
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

    allowed=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
        [[ $allowed != *_NET_WM_ACTION_${action}* ]] || fail "$manager allows $action"
    done
    echo "min = max = $minimum; Motif $functions/$decorations; $allowed"
}
