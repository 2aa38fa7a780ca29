# Sourced by setup.sh: what the scripts in tools/ share besides installing and building.

# The title of the window on both platforms: how the checks find it on a display.
FUEL_WINDOW_TITLE="Oradel - Lirra工作专版"

# A virtual X screen like a plain desktop's at 100 %. It never resets: an X server resets when its
# last client leaves and refuses connections while it does, so a helper that looks and leaves
# (at-spi-bus-launcher, xdotool) would make the program's own connection fail now and then.
fuel_xvfb_arguments=(--auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96 -noreset")

# fuel_on_own_display SCRIPT [ARGUMENTS...]: when there is no display, runs the script again on a
# virtual one of its own and exits with its status; with a display, returns at once.
fuel_on_own_display() {
    [ -z "${DISPLAY:-}" ] || return 0
    xvfb-run "${fuel_xvfb_arguments[@]}" bash "$@"
    exit
}

# fuel_wait_for_window [TITLE]: prints the X id of the first visible window with that title (the
# program's by default) once it is shown; fails after 20 s.
fuel_wait_for_window() {
    local title=${1:-$FUEL_WINDOW_TITLE} window
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) &&
            [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.2
    done
    echo "no window titled $title within 20 s" >&2
    return 1
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

# fuel_fail MESSAGE: says why and fails the step.
fuel_fail() {
    echo "$*"
    false
}
