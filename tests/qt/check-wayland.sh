#!/usr/bin/env bash
# check-wayland.sh PROGRAM DESKTOP REFERENCE.png: starts a headless Wayland compositor, then
# PROGRAM in it as a session of that desktop would (WAYLAND_DISPLAY set, no QT_QPA_PLATFORM),
# and reads what the window asks of the compositor (WAYLAND_DEBUG) and what the screen shows.
# All of it runs as a desktop session (in_session in desktop-common.sh).
# Exits 77 (a skip) when the compositor or the Qt plugin is not installed, saying which.
#
#   weston           weston's desktop shell and no X server: the Wayland-only start. Qt draws
#                    the title bar; the window asks for one size and its app id, and keeps no
#                    maximised state.
#   weston-kiosk     weston's kiosk shell, which makes every window full screen and insists:
#                    the window asks to leave once, and does not loop. (No screenshot: weston
#                    leaves the kiosk shell's windows out of it.)
#   weston-xwayland  weston with XWayland, as GNOME runs: the window opens through X11, where
#                    the window manager frames it from its hints.
#   weston-dead-x    weston, and a DISPLAY whose X server is gone: the window opens on Wayland.
#   sway             sway, which draws the title bar of Wayland windows itself.
#
# Each other screenshot must show the client area exactly as REFERENCE draws it, except the date and
# time fields, which show the clock.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/desktop-common.sh"

requires_qt_wayland() {
    fuel_is_installed qt6-wayland ||
        skip "Qt's Wayland platform plugin is not installed (Debian package qt6-wayland)"
}
case $desktop in
weston | weston-kiosk | weston-dead-x) requires weston weston && requires_qt_wayland ;;
weston-xwayland) requires weston weston && requires Xwayland xwayland ;;
sway) requires sway sway && requires grim grim && requires_qt_wayland ;;
*) echo "unknown desktop $desktop" && exit 2 ;;
esac
in_session "$@"

start_weston() {
    printf '[shell]\nbackground-color=0xff204060\npanel-position=none\n' >"$work/weston.ini"
    weston_ready() { test -S "$runtime/$socket"; }
    # --debug lets weston-screenshooter take the screen.
    start_compositor 10 weston_ready weston --backend=headless-backend.so --use-pixman \
        --width=1024 --height=768 --socket="$socket" --idle-time=0 --config="$work/weston.ini" \
        --shell="$1" --debug "${@:2}" || fuel_fail "weston did not start"
}

start_sway() {
    printf 'output HEADLESS-1 resolution 1024x768 bg #204060 solid_color\nxwayland disable\n' \
        >"$work/sway.conf"
    sway_ready() {
        local sockets=("$runtime"/wayland-?)
        [ -S "${sockets[0]}" ] && socket=$(basename "${sockets[0]}")
    }
    start_compositor 10 sway_ready env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman sway -c "$work/sway.conf" || fuel_fail "sway did not start"
}

wayland_screenshot() {
    rm -f "$1" "$work"/wayland-screenshot-*.png
    if [ "$desktop" = sway ]; then
        WAYLAND_DISPLAY=$socket grim "$1"
    else
        (cd "$work" && WAYLAND_DISPLAY=$socket weston-screenshooter)
        mv "$work"/wayland-screenshot-*.png "$1"
    fi
}

x11=()
case $desktop in
weston) start_weston desktop-shell.so ;;
weston-kiosk) start_weston kiosk-shell.so ;;
weston-xwayland)
    start_weston desktop-shell.so --xwayland
    x11=(DISPLAY="$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log")")
    ;;
weston-dead-x)
    start_weston desktop-shell.so
    display=10
    while [ -e /tmp/.X11-unix/X$display ]; do display=$((display + 1)); done
    x11=(DISPLAY=:$display)
    ;;
sway) start_sway ;;
esac

protocol=$work/protocol.log
: >"$protocol"
background env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland \
    WAYLAND_DISPLAY="$socket" XDG_CURRENT_DESKTOP="${desktop%%-*}" "${x11[@]}" WAYLAND_DEBUG=1 \
    "$program" 2>"$protocol"
app=$!

configured() { grep -E -q -- '-> xdg_surface@[0-9]+\.ack_configure' "$protocol"; }
if [ "$desktop" = weston-kiosk ]; then
    # weston's screenshots leave out the kiosk shell's windows: only the requests are read.
    fuel_poll 10 configured || fail "the window was never configured"
    sleep 1
else
    expect_on_screen wayland_screenshot "$work/screen.png"
fi
kill -0 $app 2>/dev/null || fail "the program ended: $(grep -m 3 -v '^\[' "$protocol")"

requests() { grep -E -c -- "-> $1" "$protocol" || true; }
asks_for() { [ "$(requests "$1")" -gt 0 ] || fail "the window never sent $1"; }

case $desktop in
weston | weston-dead-x | sway)
    size=$(identify -format '%w, %h' "$reference") # the designed client area's
    asks_for "xdg_toplevel@[0-9]+\\.set_min_size\\($size\\)"
    asks_for "xdg_toplevel@[0-9]+\\.set_max_size\\($size\\)"
    asks_for 'xdg_toplevel@[0-9]+\.set_app_id\("fuelcalc"\)'
    last_maximise=$(grep -E -o -- '-> xdg_toplevel@[0-9]+\.(un)?set_maximized' "$protocol" | tail -n 1 || true)
    [[ $last_maximise != *.set_maximized ]] || fail "the window stays maximised"
    ;;
esac
case $desktop in
sway)
    grep -E -q 'zxdg_toplevel_decoration_v1@[0-9]+\.configure\(2\)' "$protocol" ||
        fail "sway did not take the title bar (server-side decoration)"
    ;;
weston-kiosk)
    leaves=$(requests 'xdg_toplevel@[0-9]+\.unset_fullscreen')
    [ "$leaves" -eq 1 ] || fail "the window asked $leaves times to leave full screen, not once"
    ;;
weston-xwayland)
    [ "$(requests 'xdg_toplevel')" -eq 0 ] || fail "the window opened on Wayland, not through X11"
    ;;
esac

((failed)) || echo "$desktop: as designed"
