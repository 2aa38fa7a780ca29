#!/usr/bin/env bash
# Builds both front-ends and runs every test through CTest: the Linux program natively, the
# Windows program under Wine; exits with the tests' result.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

fuel_build "$FUEL_BUILD"
ctest --test-dir "$FUEL_BUILD" --output-on-failure

# The Windows program, cross-built, its window driven under Wine on a virtual display, then its
# installer installed, started and removed in a fresh prefix.
bash "$FUEL_ROOT/tools/build-windows.sh"
(
    source "$FUEL_ROOT/tools/wine-env.sh"
    fuel_wine_on_display ctest --test-dir "$FUEL_BUILD_WINDOWS" --output-on-failure
)
bash "$FUEL_ROOT/tools/check-windows-installer.sh"

# The package check installs and removes a package with apt, so it runs only as root, as CI does.
if [ "$(id -u)" -eq 0 ]; then
    bash "$FUEL_ROOT/tools/check-deb.sh"
else
    echo "Skipping tools/check-deb.sh (the Debian package check): it needs root for apt."
fi

# A minute of fuzzing the conversions and the calculation.
bash "$FUEL_ROOT/tools/fuzz.sh"

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer; any report
# fails it.
fuel_build "$FUEL_ROOT/build-asan" -DFUEL_SANITIZE=ON -DFUEL_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$FUEL_ROOT/build-asan" --output-on-failure
