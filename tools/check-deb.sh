#!/usr/bin/env bash
# Builds the Debian package in build-deb/, has lintian judge it, installs it with apt, starts the
# installed program on a virtual display of its own to see that it shows its window and stays up,
# then removes the package again. Needs root for apt. Safe to run again: it starts from a fresh
# package and removes any fuelcalc package already installed.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_build_packages[@]}" "${fuel_display_packages[@]}" lintian dpkg-dev file \
    weston qt6-wayland
fuel_on_own_display --always bash "$0" "$@"

build=$FUEL_ROOT/build-deb
apt_log=$build/apt.log
program_pid=
installed_here=

apt_quiet() {
    fuel_as_root env DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq >"$apt_log" 2>&1 ||
        { cat "$apt_log"; return 1; }
}

# A failed step must not leave the program running or the package behind, so that the next run
# and the rest of the machine see what they saw before.
clean_up() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$installed_here" ] && fuel_is_installed fuelcalc; then
        apt_quiet remove fuelcalc || true
    fi
}
fuel_steps check-deb clean_up

deb=
mkdir -p "$build"

fuel_step "build the package (Release, with Debian's build flags)"
deb=$(bash "$FUEL_ROOT/tools/build-deb.sh")
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
# A Wayland session without XWayland shows the window only through Qt's Wayland plugin.
fuel_output_has -w qt6-wayland -- dpkg-deb --field "$deb" Recommends ||
    { echo "the package does not recommend qt6-wayland"; false; }
[ "$(dpkg-deb --field "$deb" Version)" = "$(fuel_version)" ] ||
    { echo "the package's version is not the project's, $(fuel_version)"; false; }
fuel_step_passed

fuel_step "lintian reports no errors"
lintian_output=$(lintian --fail-on none "$deb" 2>&1)
echo "${lintian_output:-(lintian printed nothing)}"
if grep -q '^E: ' <<<"$lintian_output"; then
    echo "lintian reports errors (the E: lines above)"
    false
fi
fuel_step_passed

fuel_step "apt installs the package and its dependencies"
if fuel_is_installed fuelcalc; then
    echo "removing the fuelcalc package already installed"
    apt_quiet remove fuelcalc
fi
installed_here=yes
(cd "$build" && apt_quiet install "./$(basename "$deb")")
fuel_is_installed fuelcalc
[ -x /usr/bin/fuelcalc ]
[ -f /usr/share/applications/fuelcalc.desktop ]
[ -n "$(fc-list "AR PL UMing CN" family)" ] || { echo "the window's font AR PL UMing CN is missing"; false; }
fuel_step_passed

fuel_step "the installed /usr/bin/fuelcalc shows its window and keeps running"
/usr/bin/fuelcalc >"$build/fuelcalc-run.log" 2>&1 &
program_pid=$!
if ! fuel_wait_for_window >/dev/null || ! kill -0 "$program_pid" 2>/dev/null; then
    cat "$build/fuelcalc-run.log"
    false
fi
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
fuel_step_passed

fuel_step "the installed program opens on a Wayland session with no X server (weston)"
wayland_status=0
bash "$FUEL_ROOT/tests/qt/check-wayland.sh" /usr/bin/fuelcalc weston "$FUEL_ROOT/docs/window.png" ||
    wayland_status=$?
# 77: weston or Qt's Wayland plugin is missing, which the check has said.
[ "$wayland_status" -eq 0 ] || [ "$wayland_status" -eq 77 ]
fuel_step_passed

fuel_step "apt removes the package"
apt_quiet remove fuelcalc
if fuel_is_installed fuelcalc; then
    echo "fuelcalc is still installed"
    false
fi
[ ! -e /usr/bin/fuelcalc ]
[ ! -e /usr/share/applications/fuelcalc.desktop ]
installed_here=
fuel_step_passed
