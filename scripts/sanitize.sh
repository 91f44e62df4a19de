#!/usr/bin/env bash
# Builds and runs the test suite under a sanitizer, or only the tests whose names match REGEX.
# Usage: scripts/sanitize.sh asan|tsan [REGEX]
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:?usage: scripts/sanitize.sh asan|tsan [REGEX]}"
selection=()
if [[ -n "${2:-}" ]]; then selection=(-R "$2"); fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp"
cmake --preset "$preset"
cmake --build --preset "$preset" -j2
ctest --preset "$preset" --timeout 600 "${selection[@]}"
