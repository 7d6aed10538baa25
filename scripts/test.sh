#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit tests and window scenarios), then
# each fuzz harness for a short while when clang is there (ZORVEL_FUZZ_SECONDS, default 20).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
log="$BUILD/ctest-last.log"
set +e
ctest --output-on-failure -j"$(nproc)" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
passed=$(grep -cE 'Test +#[0-9]+: .* Passed' "$log" || true)
failed=$(grep -cE 'Test +#[0-9]+: .* (\*\*\*Failed|\*\*\*Exception|\*\*\*Timeout|Not Run)' "$log" || true)
echo
echo "tests: $passed passed, $failed failed"

if command -v clang++ >/dev/null 2>&1; then
    echo
    if ! bash "$ROOT/scripts/fuzz.sh" "${ZORVEL_FUZZ_SECONDS:-20}"; then
        echo "fuzzing: FAILED"
        status=1
    fi
else
    echo "fuzzing: skipped (no clang)"
fi
exit "$status"
