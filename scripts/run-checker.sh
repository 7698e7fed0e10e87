#!/usr/bin/env bash
# Sets up the machine, builds, installs or updates the program folder (scripts/install.sh: ~/Zubo,
# or ZUBO_HOME, or --prefix DIR) and runs the checker wakto19 from there once: with nothing due it
# ends at once without a window.
set -euo pipefail
prefix="${ZUBO_HOME:-${HOME:?}/Zubo}"
case "${1:-}" in
--prefix) prefix="${2:?--prefix needs a folder}"; shift 2 ;;
--prefix=*) prefix="${1#--prefix=}"; shift ;;
esac
prefix="$(realpath -m -- "$prefix")"
"$(dirname "$0")/install.sh" --prefix "$prefix"
exec "$prefix/wakto19"
