#!/usr/bin/env bash
# Sets up the machine, builds, and starts the main program from its program folder build/program/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ ! -x build/program/Zubo_37 ]; then
    echo "The main program Zubo_37 is not built yet; only the core library and its tests exist." >&2
    exit 1
fi
cd build/program
exec ./Zubo_37 "$@"
