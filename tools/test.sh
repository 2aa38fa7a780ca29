#!/usr/bin/env bash
# Builds both front-ends and runs every test through CTest: the Linux program natively, the
# Windows programs under Wine; exits with the tests' result.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install "${fuel_build_packages[@]}" "${fuel_display_packages[@]}" "${fuel_test_packages[@]}"

# Every C++ file laid out as .clang-format says, so that a diff shows only what changed. The files
# are found without git, which an unpacked source tarball does not need.
(cd "$FUEL_ROOT" && find . -path './build*' -prune -o -path './dist' -prune -o -path './.*' -prune \
    -o \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror)

# README.md and docs/ name release files by pattern and link only to files that exist.
bash "$FUEL_ROOT/tools/check-docs.sh"

fuel_build linux
ctest --test-dir "$FUEL_BUILD" --output-on-failure

# The Windows programs, cross-built, run under Wine on a virtual display: the shipped 32-bit build
# on 32-bit and on 64-bit Windows, the x86-64 build on 64-bit Windows. Then the installer is
# installed, started and removed in a fresh prefix of each kind.
bash "$FUEL_ROOT/tools/build-windows.sh"
export FUEL_WINDOWS_BUILT=yes
fuel_xvfb_run bash -c '
    ctest --test-dir "$1" --output-on-failure && ctest --test-dir "$2" --output-on-failure' \
    bash "$FUEL_BUILD_WINDOWS" "$FUEL_BUILD_WINDOWS_X64"
bash "$FUEL_ROOT/tools/check-windows-installer.sh"

# The package check installs and removes a package with apt, so it runs only as root, as CI does.
if [ "$(id -u)" -eq 0 ]; then
    bash "$FUEL_ROOT/tools/check-deb.sh"
else
    echo "Skipping tools/check-deb.sh (the Debian package check): it needs root for apt."
fi

# The release: two builds of the shipped Windows program, its installer and zip, and the Debian
# package, in two folders, are the same bytes; signed with a throwaway certificate, every Windows
# file verifies, and the signed installer installs, starts and removes the program under Wine.
bash "$FUEL_ROOT/tools/check-reproducible.sh"
bash "$FUEL_ROOT/tools/check-signed-release.sh"

# A minute of fuzzing the conversions and the calculation.
bash "$FUEL_ROOT/tools/fuzz.sh"

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer; any report
# fails it.
fuel_build asan
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$FUEL_ROOT/build-asan" --output-on-failure
