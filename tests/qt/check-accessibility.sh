#!/usr/bin/env bash
# check-accessibility.sh PROGRAM: runs PROGRAM on a virtual X display with its own session bus
# and accessibility bus, as on a desktop with a screen reader, and reads its window through
# AT-SPI (check_accessibility.py).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/desktop-common.sh"
fuel_on_own_display --always dbus-run-session -- bash "$0" "$@"

background /usr/libexec/at-spi-bus-launcher --launch-immediately
# Qt bridges to AT-SPI only when a screen reader is said to be running, unless told always to.
background env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
# pyatspi belongs to Debian's own Python.
timeout 20 /usr/bin/python3 "$here/check_accessibility.py"
