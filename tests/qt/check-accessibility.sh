#!/usr/bin/env bash
# check-accessibility.sh PROGRAM: runs PROGRAM on a virtual X display with its own session bus
# and accessibility bus, as on a desktop with a screen reader, and reads its window through
# AT-SPI (check_accessibility.py).
set -euo pipefail

program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/common.sh"
fuel_on_own_display --always dbus-run-session -- bash "$0" "$@"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
app=
trap 'kill $app $bus 2>/dev/null || true' EXIT
# Qt bridges to AT-SPI only when a screen reader is said to be running, unless told always to.
env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=$!
# pyatspi belongs to Debian's own Python.
timeout 20 /usr/bin/python3 "$here/check_accessibility.py"
