#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit tests and window scenarios).
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
exit "$status"
