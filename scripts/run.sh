#!/usr/bin/env bash
# Installs or updates the program folder (scripts/install.sh: ~/Zubo, or ZUBO_HOME, or --prefix DIR
# given first) when it does not hold the programs of this source, setting up the machine and
# building only then, and starts the main program from there. The other arguments are passed on:
# person files named there are listed alone.
set -euo pipefail
source "$(dirname "$0")/programfolder.sh"
program_folder "$@"
shift "$prefix_arguments"
"$(dirname "$0")/install.sh" --prefix "$prefix" --if-changed
# Person files named relative to where the command was given: this script never changed folder.
exec "$prefix/Zubo_37" "$@"
