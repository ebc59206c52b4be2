#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds with warnings as errors and runs every
# test, then builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them again.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)

echo "== Formatting"
git ls-files -- '*.h' '*.cpp' | xargs -r clang-format --dry-run --Werror

echo "== Build and test (warnings are errors)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DKORVAN_WERROR=ON -DKORVAN_BENCH=ON >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DKORVAN_WERROR=ON -DKORVAN_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$jobs"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
    ctest --test-dir build/asan --output-on-failure -j"$jobs"

echo "== Fuzzing: every target for a minute; a finding fails the run"
bash scripts/fuzz.sh 60
