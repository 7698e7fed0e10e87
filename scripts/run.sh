#!/usr/bin/env bash
# Sets up the machine, builds, installs or updates the program folder (scripts/install.sh: ~/Zubo,
# or ZUBO_HOME, or --prefix DIR given first) and starts the main program from there. The other
# arguments are passed on: person files named there are listed alone.
set -euo pipefail
here="$PWD"
prefix="${ZUBO_HOME:-${HOME:?}/Zubo}"
case "${1:-}" in
--prefix) prefix="${2:?--prefix needs a folder}"; shift 2 ;;
--prefix=*) prefix="${1#--prefix=}"; shift ;;
esac
prefix="$(realpath -m -- "$prefix")"
"$(dirname "$0")/install.sh" --prefix "$prefix"
# Person files named relative to where the command was given.
cd "$here"
exec "$prefix/Zubo_37" "$@"
