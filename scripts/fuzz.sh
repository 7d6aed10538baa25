#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (build-fuzz/) and runs each for SECONDS (default 20) from
# its seed corpus in tests/fuzz/corpus/<Name>/. Fails when a harness finds a crash or a broken
# property; the input that shows it is left as build-fuzz/crash-<Name>-*.
#
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_EACH="${1:-20}"
BUILD="${ZORVEL_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEL_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build "$BUILD" -j"$(nproc)" --target fuzz

status=0
for harness in "$ROOT"/tests/fuzz/*Fuzz.cpp; do
    file="$(basename "$harness" .cpp)"
    name="${file%Fuzz}"
    seeds=()
    [ -d "$ROOT/tests/fuzz/corpus/$name" ] && seeds=("$ROOT/tests/fuzz/corpus/$name")
    work="$(mktemp -d)"  # new inputs go here, never into the repository's corpus
    log="$BUILD/fuzz_$name.log"
    if "$BUILD/tests/fuzz/fuzz_$name" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$BUILD/crash-$name-" "$work" "${seeds[@]}" \
        >"$log" 2>&1; then
        runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
        echo "fuzz_$name: ran clean for $SECONDS_EACH s (${runs:-?} inputs)"
    else
        echo "fuzz_$name: FAILED (log: $log)"
        tail -n 30 "$log"
        status=1
    fi
    rm -rf "$work"
done
exit "$status"
