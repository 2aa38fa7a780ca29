#!/usr/bin/env bash
# Builds everything and runs every test through CTest; exits with the tests' result.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

fuel_build "$FUEL_BUILD"
ctest --test-dir "$FUEL_BUILD" --output-on-failure
