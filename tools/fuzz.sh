#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/ and runs each for FUEL_FUZZ_SECONDS (12 by default, a minute in all), starting from
# the corpus in fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/, crashes to
# build-fuzz/artifacts/.
# Fails on the first crash, hang, sanitizer report or broken property; prints the executions.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

fuel_install "${fuel_build_packages[@]}" clang libclang-rt-14-dev

dir=$FUEL_ROOT/build-fuzz
seconds=${FUEL_FUZZ_SECONDS:-12}
targets=(fuzz_int32 fuzz_date fuzz_time fuzz_number_text fuzz_calculation)

fuel_build fuzz $(printf -- '--target %s ' "${targets[@]}")

mkdir -p "$dir/artifacts"
status=0
report=()
for target in "${targets[@]}"; do
    mkdir -p "$dir/corpus/$target"
    log=$dir/$target.log
    if "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=5 -print_final_stats=1 \
        -artifact_prefix="$dir/artifacts/$target-" \
        "$dir/corpus/$target" "$FUEL_ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
        verdict=passed
    else
        verdict=FAILED
        status=1
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    report+=("$(printf '%-18s %12s runs in %ss  %s' "$target" "${runs:-?}" "$seconds" "$verdict")")
done
printf '%s\n' "${report[@]}"
exit $status
