#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
# With --sanitize: the same, built with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-san/, where any finding fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--sanitize" ]; then
    cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUBO_SANITIZE=ON >/dev/null
    cmake --build build-san
    # The leak suppressions name leaks inside third-party libraries only, never the project's code.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir build-san --output-on-failure -j "$(nproc)"
    exit
fi
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
