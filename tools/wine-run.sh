#!/usr/bin/env bash
# wine-run.sh PREFIX KIND [PROGRAM [ARGUMENTS...]]: runs a Windows program under Wine in the
# project's prefix PREFIX of KIND (win32 or wow64, see wine-env.sh), making the prefix first when
# it is missing or out of date; without a program, only makes the prefix. CTest runs the Windows
# tests through it, on the display it is given. Exits with 77, CTest's skip, where this machine
# cannot run that kind or that program (wine-env.sh).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
fuel_skip_unless_runs "$2" "${3:-}"
fuel_wine_prefix "$1" "$2" >&2
shift 2
[ $# -eq 0 ] || exec wine "$@"
