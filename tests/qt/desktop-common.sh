# shellcheck shell=bash
# Sourced by the checks that run the window under a window manager or a compositor: starting and
# stopping it, skipping, waiting, failing, and reading the window as a window manager and a
# screen show it.

# The checks' arguments, as each check's opening comment names them.
program=$1 desktop=${2:-} reference=${3:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/common.sh"
# The four date and time fields of the start and end rows, in the client area's pixels: they
# show the clock, so a screenshot may differ from the picture there.
clock_fields=88,32,305,74

# The check's own folder, with the runtime folder of the compositor it starts; made here unless
# the check's outer run made it (FUEL_DESKTOP_WORK), and removed by whoever made it.
made_work=
work=${FUEL_DESKTOP_WORK:-}
[ -n "$work" ] || { work=$(mktemp -d) && made_work=yes; }
runtime=$work/runtime
log=$work/compositor.log
socket=wayland-fuelcalc
mkdir -p -m 700 "$runtime"

# background COMMAND...: starts COMMAND in a session of processes of its own ($! is its first);
# the check stops that session as it ends, and waits for it, before what was started ahead of
# it: the program before its compositor, the compositor before the system bus it uses (so that it
# can take its X display away as it ends). What started a session has it all: GNOME Shell its
# XWayland.
started=()
background() {
    setsid "$@" &
    started=("$!" "${started[@]}")
}
# Whether all processes of the session have ended, or are zombies waiting for their parent.
ended() { ! fuel_output_has '^ *[^Z ]' -- ps -o stat= -s "$1"; }
finish() {
    local status=$? process
    # A session told to stop and not gone in 5 s (GNOME Shell, caught starting up) is killed.
    for process in "${started[@]}"; do
        kill -- -"$process" 2>/dev/null || continue
        fuel_poll 5 ended "$process" || kill -KILL -- -"$process" 2>/dev/null || true
        wait "$process" 2>/dev/null || true
    done
    [ -z "$made_work" ] || rm -rf "$work"
    # A failure reported with fail fails the check, however it ends.
    if [ "$status" -eq 0 ] && [ "$failed" -ne 0 ]; then status=1; fi
    exit "$status"
}
trap finish EXIT

# start_compositor SECONDS READY COMMAND...: starts the compositor COMMAND, its output in $log,
# and waits until READY succeeds; when it has not within SECONDS, shows what it said and fails.
start_compositor() {
    local seconds=$1 ready=$2
    shift 2
    background "$@" >"$log" 2>&1
    fuel_poll "$seconds" "$ready" && return
    echo "The compositor said:"
    cat "$log"
    return 1
}

# in_session PROGRAM DESKTOP REFERENCE: unless in it already, runs this check again as a desktop
# session runs, and exits with its status: in an empty environment, with a session bus of its
# own, whose log of what it starts is session-bus.log. Run as root, the session runs as nobody,
# an ordinary user, as a desktop session does (and sway insists), from copies of the checks (with
# the design they read the window's title from), the program and the picture in the check's
# folder, since nobody may not reach them where the tree lies (/root is closed to it).
in_session() {
    [ -z "${FUEL_DESKTOP_WORK:-}" ] || { exec 2>&1; return; }
    local script=$0 user=() status=0
    if [ "$(id -u)" -eq 0 ]; then
        mkdir -p "$work/tree/tests" "$work/tree/tools" "$work/tree/core/form"
        cp -r "$here" "$work/tree/tests/qt"
        cp "$here/../../tools/common.sh" "$work/tree/tools/"
        cp "$here/../../core/form/design.cpp" "$work/tree/core/form/"
        cp "$1" "$work/fuelcalc"
        cp "$3" "$work/reference.png"
        script=$work/tree/tests/qt/$(basename "$0")
        set -- "$work/fuelcalc" "$2" "$work/reference.png"
        chmod -R a+rX "$work"
        chown -R nobody:nogroup "$work"
        user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    "${user[@]}" env -i PATH="$PATH" HOME="$work" LC_ALL=C.UTF-8 \
        XDG_RUNTIME_DIR="$runtime" FUEL_DESKTOP_WORK="$work" \
        dbus-run-session -- bash "$script" "$@" 2>"$work/session-bus.log" || status=$?
    exit $status
}

skip() {
    echo "SKIP: $*"
    exit 77
}
requires() {
    command -v "$1" >/dev/null || skip "$1 is not installed (Debian package $2)"
}

# fail MESSAGE: says what is wrong as fuel_fail does, and the check goes on to what else it can
# check, and fails at its end. (fuel_fail itself ends the check, where nothing after can be.)
failed=0
fail() {
    fuel_fail "$@" || failed=1
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
    fuel_poll 10 managed || fuel_fail "$manager did not manage the window"
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
