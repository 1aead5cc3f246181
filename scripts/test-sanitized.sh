#!/usr/bin/env bash
# Builds Corvane with clang under AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# and runs the core, command-line and window tests there. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=OFF -DCORVANE_WERROR=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's fonts and graphics libraries are theirs, not ours.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" "$@"
