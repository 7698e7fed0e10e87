#!/usr/bin/env bash
# Configures and builds into build/; the runnable program folder is build/program/.
#
#   scripts/build.sh             everything: the programs, the tests, the benchmarks and the tools
#   scripts/build.sh --programs  the programs alone (scripts/install.sh); a build/ configured
#                                without the tests stays so, and one with them keeps them
set -euo pipefail
cd "$(dirname "$0")/.."
build_type="-DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}"
if [ "${1:-}" = "--programs" ]; then
    if [ -e build/CMakeCache.txt ]; then
        cmake -S . -B build >/dev/null
    else
        cmake -S . -B build -G Ninja "$build_type" -DZUBO_BUILD_TESTS=OFF >/dev/null
    fi
    cmake --build build --target Zubo_37 wakto19 wakto19_wyniki program_icon
else
    cmake -S . -B build -G Ninja "$build_type" -DZUBO_BUILD_TESTS=ON >/dev/null
    cmake --build build
fi
