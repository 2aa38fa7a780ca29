#!/usr/bin/env bash
# check-desktop.sh PROGRAM DESKTOP REFERENCE.png: starts a desktop's own compositor headless, on
# a 1024 × 768 screen, with XWayland and a session bus of its own, then PROGRAM as that desktop's
# Wayland session starts it (WAYLAND_DISPLAY and DISPLAY set, no QT_QPA_PLATFORM). The program
# opens its window through XWayland, so the window is read as the compositor, acting as its
# window manager, reads it (check_x11_hints); then the compositor is asked what it made of the
# window and what the screen shows:
#
#   gnome  GNOME Shell 43 as Debian's default session runs it (mutter on Wayland, XWayland, the
#          top bar), with a system bus of its own; --unsafe-mode opens org.gnome.Shell.Eval and
#          the screenshot interface to this session's own clients. Its overview, which a session
#          starts in, is left first, as a user does.
#   kwin   KDE Plasma's KWin with the Breeze title bar, asked through a KWin script.
#
# On each, the window must have a title bar and offer no maximise and no resize, its client area
# must be REFERENCE's size and centred on the area the desktop leaves to windows, and the
# screenshot must show the client area as REFERENCE draws it (except the clock's fields). A
# compositor that cannot start at all here is a skip (77); one that is not installed is a
# failure, since tools/setup.sh installs it.
# The check runs as a desktop session (in_session in desktop-common.sh).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/desktop-common.sh"

case $desktop in
gnome) compositor=gnome-shell ;;
kwin) compositor=kwin_wayland ;;
*) echo "unknown desktop $desktop" && exit 2 ;;
esac
command -v $compositor >/dev/null || fuel_fail "$compositor is not installed"
in_session "$@"

# The compositor fails to start: what it and the session bus said is shown, and it is a skip.
no_start() {
    cat "$work/session-bus.log"
    skip "$desktop cannot start here"
}

# GNOME Shell ########################################################################################

# shell_eval CODE: the value of the JavaScript CODE in the shell, for a string without quotes.
shell_eval() {
    local reply
    reply=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "$1" 2>/dev/null) && [[ $reply == "(true, '"* ]] || return 1
    reply=${reply#"(true, '"}
    reply=${reply%"')"}
    reply=${reply#\"}
    echo "${reply%\"}"
}

start_gnome() {
    # GNOME Shell asks the system bus for logind, accounts and the like, and stops without one;
    # what it asks is not there, and it goes on without.
    cat >"$work/system-bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/system-bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
EOF
    background dbus-daemon --config-file="$work/system-bus.conf" --nofork >/dev/null 2>&1
    fuel_poll 5 test -S "$work/system-bus" || fuel_fail "no system bus"
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus

    # Told to stop, it tidies its X display away and then crashes on its way out when headless:
    # no core file of that.
    ulimit -c 0
    ready() { [ "$(shell_eval 'Main.layoutManager._startingUp')" = false ]; }
    start_compositor 20 ready gnome-shell --headless --wayland --virtual-monitor 1024x768 \
        --wayland-display="$socket" --unsafe-mode || no_start
    session=(DISPLAY="$(shell_eval 'GLib.getenv("DISPLAY")')"
        XAUTHORITY="$(shell_eval 'GLib.getenv("XAUTHORITY")')" XDG_CURRENT_DESKTOP=GNOME)
    shell_eval 'Main.overview.hide()' >/dev/null
    overview_left() { [ "$(shell_eval 'Main.overview.visible')" = false ]; }
    fuel_poll 5 overview_left || fail "the overview stays"
}

gnome_screenshot() {
    gdbus call --session --dest org.gnome.Shell.Screenshot --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null
}

# The window as mutter has it, in the form kwin_view prints.
gnome_view() {
    shell_eval "const w = global.get_window_actors().map(a => a.meta_window)
            .find(w => w.get_wm_class() === 'fuelcalc');
        const f = w.get_frame_rect(), a = w.get_work_area_current_monitor();
        \`maximizable=\${w.can_maximize()} resizeable=\${w.allows_resize()} \` +
            \`frame=\${f.x},\${f.y},\${f.width},\${f.height} area=\${a.x},\${a.y},\${a.width},\${a.height}\`"
}

# KWin ###############################################################################################

start_kwin() {
    # kwin_wayland carries a file capability; where it cannot be granted, exec fails, and a copy,
    # which has none, runs headless all the same.
    local kwin=kwin_wayland
    if ! kwin_wayland --version >/dev/null 2>&1; then
        cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
        kwin=$work/kwin_wayland
    fi
    # The Breeze title bar, as Plasma has it; a screenshot from this session's own clients.
    mkdir -p "$work/.config"
    printf '[org.kde.kdecoration2]\nlibrary=org.kde.breeze\n' >"$work/.config/kwinrc"
    # KWin starts the command given once XWayland is up, in the session's environment.
    ready() { test -s "$work/session.env"; }
    start_compositor 20 ready env KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 "$kwin" --virtual \
        --xwayland --width 1024 --height 768 --socket "$socket" --no-lockscreen \
        --no-global-shortcuts --no-kactivities "sh -c 'env >$work/session.env'" || no_start
    session=(XDG_CURRENT_DESKTOP=KDE)
    local name
    for name in DISPLAY XAUTHORITY; do
        session+=("$(grep "^$name=" "$work/session.env" || echo "$name=")")
    done
}

kwin_screenshot() {
    /usr/bin/python3 "$here/kwin_screenshot.py" "$1"
}

# The window as KWin has it: a script prints it into KWin's log.
kwin_view() {
    cat >"$work/window.js" <<'EOF'
workspace.clientList().forEach(function (c) {
    if (String(c.resourceClass) !== "fuelcalc")
        return;
    var f = c.frameGeometry, a = workspace.clientArea(KWin.PlacementArea, c);
    print("fuelcalc maximizable=" + c.maximizable + " resizeable=" + c.resizeable
          + " frame=" + [f.x, f.y, f.width, f.height].join(",")
          + " area=" + [a.x, a.y, a.width, a.height].join(","));
});
EOF
    local id
    id=$(gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.loadScript "$work/window.js" fuelcalc)
    id=${id//[^0-9]/}
    gdbus call --session --dest org.kde.KWin --object-path "/$id" --method org.kde.kwin.Script.run \
        >/dev/null
    printed() { view=$(sed -n 's/^js: fuelcalc //p' "$log") && [ -n "$view" ]; }
    fuel_poll 5 printed && echo "$view"
}

####################################################################################################

"start_$desktop"

background env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$socket" \
    "${session[@]}" "$program" >"$work/program.log" 2>&1
app=$!
export "${session[@]}"

window=$(fuel_wait_for_window) || fuel_fail "no window; the program said: $(cat "$work/program.log")"
check_x11_hints "$window" "$desktop"

geometry=$(xwininfo -id "$window")
width=$(sed -n 's/^ *Width: //p' <<<"$geometry")
height=$(sed -n 's/^ *Height: //p' <<<"$geometry")
designed=$(identify -format '%w %h' "$reference")
[ "$width $height" = "$designed" ] || fail "the client area is $width x $height, not $designed"
expect_on_screen "${desktop}_screenshot" "$work/screen.ppm"

view=$("${desktop}_view") || fail "$desktop did not say what it made of the window"
echo "$desktop: $view"
[[ $view == *maximizable=false* ]] || fail "$desktop offers to maximise the window"
[[ $view == *resizeable=false* ]] || fail "$desktop lets the window be resized"
# A title bar: the frame is taller than the client area.
[[ $view =~ frame=-?[0-9]+,-?[0-9]+,[0-9]+,([0-9]+) ]] && ((BASH_REMATCH[1] > ${designed#* })) ||
    fail "$desktop gives the window no title bar"
# Centred: the client area's centre on the screen within a pixel of the centre of the area the
# desktop leaves to windows. (Where the screenshot or the compositor's view is missing, that has
# failed already.)
check_centred() {
    local found left top x y width height
    found=$(cat "$work/found.txt" 2>/dev/null) && [[ $found =~ \ at\ ([0-9]+),([0-9]+), ]] || return 0
    left=${BASH_REMATCH[1]} top=${BASH_REMATCH[2]}
    [[ $view =~ area=(-?[0-9]+),(-?[0-9]+),([0-9]+),([0-9]+) ]] || return 0
    x=${BASH_REMATCH[1]} y=${BASH_REMATCH[2]} width=${BASH_REMATCH[3]} height=${BASH_REMATCH[4]}
    local off_x=$((2 * left + ${designed% *} - 2 * x - width))
    local off_y=$((2 * top + ${designed#* } - 2 * y - height))
    ((off_x * off_x <= 1 && off_y * off_y <= 1)) ||
        fail "the client area at $left,$top is off the centre of the area $x,$y ${width}x$height"
}
check_centred
kill -0 $app 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"

((failed)) || echo "$desktop: as designed"
