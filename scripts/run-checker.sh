#!/usr/bin/env bash
# Sets up the machine, builds, installs or updates the program folder (scripts/install.sh: ~/Zubo,
# or ZUBO_HOME, or --prefix DIR) and runs the checker wakto19 from there once: with nothing due it
# ends at once without a window.
set -euo pipefail
source "$(dirname "$0")/programfolder.sh"
program_folder "$@"
"$(dirname "$0")/install.sh" --prefix "$prefix"
exec "$prefix/wakto19"
