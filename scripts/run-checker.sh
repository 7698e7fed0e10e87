#!/usr/bin/env bash
# Installs or updates the program folder (scripts/install.sh: ~/Zubo, or ZUBO_HOME, or --prefix DIR)
# when it does not hold the programs of this source, setting up the machine and building only then,
# and runs the checker wakto19 from there once: with nothing due it ends at once without a window.
set -euo pipefail
source "$(dirname "$0")/programfolder.sh"
program_folder "$@"
"$(dirname "$0")/install.sh" --prefix "$prefix" --if-changed
exec "$prefix/wakto19"
