# What the project's shell scripts share besides installing and building: sourced by setup.sh for
# the scripts in tools/, and directly by the checks in tests/ that CTest runs. Defines functions
# and names only; it installs nothing and starts nothing.

# The title of the window on both platforms, as the design gives it: how the checks find it on a
# display.
FUEL_WINDOW_TITLE=$(sed -n 's/^constexpr WindowDesign design{"\([^"]*\)".*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../core/form/design.cpp")
[ -n "$FUEL_WINDOW_TITLE" ] || echo "no window title found in core/form/design.cpp" >&2

# fuel_output_has [GREP-OPTION...] PATTERN -- COMMAND...: whether COMMAND succeeds and prints a
# line that grep matches. The output is read whole before it is matched: in `COMMAND | grep -q`
# under pipefail, grep leaves at the first match, COMMAND dies of SIGPIPE at its next write, and
# the pipeline fails or not depending only on where the line falls in the output.
fuel_output_has() {
    local grep_arguments=() output
    while [ "$1" != -- ]; do
        grep_arguments+=("$1")
        shift
    done
    shift
    output=$("$@") || return 1
    grep -q "${grep_arguments[@]}" <<<"$output"
}

# Whether this machine runs 32-bit (i386) programs: Wine runs a 32-bit Windows program through its
# own 32-bit side, which a kernel booted without ia32 emulation refuses ("Exec format error";
# dmesg says "32-bit emulation disabled").
fuel_runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

fuel_is_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

# fuel_poll SECONDS COMMAND...: runs the command every tenth of a second until it succeeds; fails
# when it has not within that many seconds.
fuel_poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# fuel_xvfb_run [--screen WIDTHxHEIGHT] COMMAND...: runs the command on a virtual X screen of its
# own, like a plain desktop's at 100 % (1024x768 unless told). The server never resets: an X server
# resets when its last client leaves and refuses connections while it does, so a helper that looks
# and leaves (at-spi-bus-launcher, xdotool) would make the program's own connection fail now and
# then.
fuel_xvfb_run() {
    local screen=1024x768
    if [ "$1" = --screen ]; then
        screen=$2
        shift 2
    fi
    xvfb-run --auto-servernum --server-args="-screen 0 ${screen}x24 -dpi 96 -noreset" "$@"
}

# fuel_on_own_display [--always] [--screen WIDTHxHEIGHT] COMMAND...: runs COMMAND (the script
# again, with its arguments) on a virtual screen of its own (fuel_xvfb_run) and exits with its
# status, when there is no display or, with --always, in any case (a check that must not share a
# screen with a desktop). In the run it starts, and where neither holds, returns at once.
fuel_on_own_display() {
    local always= screen=()
    if [ -n "${FUEL_ON_OWN_DISPLAY:-}" ]; then
        # Only the run this started is on its own display, not what that run starts.
        unset FUEL_ON_OWN_DISPLAY
        return 0
    fi
    if [ "$1" = --always ]; then
        always=yes
        shift
    fi
    if [ "$1" = --screen ]; then
        screen=(--screen "$2")
        shift 2
    fi
    [ -n "$always" ] || [ -z "${DISPLAY:-}" ] || return 0
    FUEL_ON_OWN_DISPLAY=yes fuel_xvfb_run "${screen[@]}" "$@"
    exit
}

# fuel_wait_for_window [TITLE]: prints the X id of the first visible window with that title (the
# program's by default) once it is shown; fails after 20 s.
fuel_wait_for_window() {
    local title=${1:-$FUEL_WINDOW_TITLE}
    fuel_window_shown() {
        fuel_window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null) &&
            [ -n "$fuel_window" ]
    }
    if ! fuel_poll 20 fuel_window_shown; then
        echo "no window titled $title within 20 s" >&2
        return 1
    fi
    echo "${fuel_window%%$'\n'*}"
}

# fuel_wait_until_drawn WINDOW: waits until the X window shows more than one colour and looks the
# same in two pictures taken in a row: a window is shown before its controls are painted, and a
# picture taken then shows it blank or half drawn. Fails after 20 s.
fuel_wait_until_drawn() {
    local window=$1 previous=
    fuel_window_still() {
        local picture
        picture=$(import -window "$window" miff:- 2>/dev/null | identify -format '%k %#' -) ||
            return 1
        [ "${picture%% *}" -gt 1 ] && [ "$picture" = "$previous" ] && return 0
        previous=$picture
        sleep 0.2
        return 1
    }
    fuel_poll 20 fuel_window_still || { echo "the window $window was not drawn within 20 s" >&2; return 1; }
}

# Checks made of steps: fuel_steps NAME [CLEANUP] starts them, `fuel_step TEXT` begins one and
# `fuel_step_passed` ends it. At exit CLEANUP runs, then a summary of the steps, ending in the
# line "NAME: N passed, N failed"; a step begun and not passed, or any failure, fails the script.
fuel_steps() {
    fuel_steps_name=$1
    fuel_steps_cleanup=${2:-true}
    fuel_steps_passed=()
    fuel_steps_current=
    trap fuel_steps_finish EXIT
}

fuel_step() {
    fuel_steps_current=$1
    echo "== $fuel_steps_current"
}

fuel_step_passed() {
    fuel_steps_passed+=("$fuel_steps_current")
    fuel_steps_current=
}

fuel_steps_finish() {
    local status=$? step failed=0
    "$fuel_steps_cleanup" || true
    echo
    echo "$fuel_steps_name summary:"
    for step in "${fuel_steps_passed[@]}"; do
        echo "  ok      $step"
    done
    if [ -n "$fuel_steps_current" ] || [ "$status" -ne 0 ]; then
        echo "  FAILED  ${fuel_steps_current:-after the last step}"
        failed=1
        [ "$status" -ne 0 ] || status=1
    fi
    echo "$fuel_steps_name: ${#fuel_steps_passed[@]} passed, $failed failed"
    exit "$status"
}

# fuel_fail MESSAGE: says what is wrong, as "FAIL: MESSAGE", and fails: under set -e the check,
# or its step under fuel_steps, ends there.
fuel_fail() {
    echo "FAIL: $*"
    false
}
