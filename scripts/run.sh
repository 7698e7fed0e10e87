#!/usr/bin/env bash
# Sets up the machine, builds, and starts the main program from its program folder build/program/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build/program
exec ./Zubo_37 "$@"
