#!/usr/bin/env bash
# Sets up the machine, builds, and runs the checker wakto19 once. It works in its own folder,
# build/program/: with nothing due it ends at once without a window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/program/wakto19
