#!/usr/bin/env bash
# Removes a program folder's installed files, as scripts/install.sh recorded them in the folder's
# .zubo-install.sha256: the programs, the results module, the icon, the sounds, the shipped name-day
# files the user did not change, and the menu and autostart entries it wrote. Each file goes only
# when it is a plain file whose content is still what was installed (a name-day file also when it
# is any shipped version); everything else stays: opcje.ini, the data folders, lng/, the user's own
# name-day files and holidays. It says where they are.
#
#   scripts/uninstall.sh [--prefix DIR]    (default: $ZUBO_HOME, else ~/Zubo)
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
source "$source_dir/scripts/programfolder.sh"
program_folder "$@"
shift "$prefix_arguments"
case "${1:-}" in
"") ;;
-h | --help) sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
*) echo "uninstall.sh: unknown argument: $1 (see --help)" >&2; exit 2 ;;
esac
shipped_sums="${ZUBO_SHIPPED_SUMS:-$source_dir/resources/stale/shipped.sha256}"
manifest="$prefix/.zubo-install.sha256"

if [ ! -f "$manifest" ] || [ -L "$manifest" ]; then
    echo "uninstall.sh: $prefix holds no record of an install ($manifest), so nothing was removed." >&2
    if [ -e "$prefix/Zubo_37" ]; then
        echo "An install by an earlier version: update it with scripts/install.sh --prefix \"$prefix\", then run this again." >&2
    fi
    exit 1
fi

kept=()
while IFS= read -r line; do
    case "$line" in "#"*) continue ;; esac
    sum="${line:0:64}"
    file="${line:66}"
    # Nothing but the entries the install writes outside the folder, and nothing above it.
    case "$file" in
    */../* | ../* | */..) continue ;;
    /*/applications/zubo.desktop | /*/autostart/wakto19.desktop) path="$file" ;;
    /*) continue ;;
    *) path="$prefix/$file" ;;
    esac
    # Only a plain file (never a link) whose bytes are what was installed, looked at right before.
    [ -f "$path" ] && [ ! -L "$path" ] || continue
    now="$(sha256sum <"$path" | cut -c1-64)"
    remove=no
    [ "$now" = "$sum" ] && remove=yes
    case "$file" in
    baza/stale/Imiona_wg_dat.wps | baza/stale/Imiona_index.ind)
        grep -qx -- "$now  $(basename -- "$file")" "$shipped_sums" 2>/dev/null && remove=yes ;;
    esac
    if [ "$remove" = yes ]; then
        rm -f -- "$path"
    else
        kept+=("$path")
    fi
done <"$manifest"
rm -f -- "$manifest"
# The folders the install made, when nothing is left in them.
rmdir -- "$prefix/wav" 2>/dev/null || true

for path in "${kept[@]}"; do
    echo "Kept $path: it changed since it was installed."
done
if [ -d "$prefix" ] && [ -n "$(ls -A -- "$prefix")" ]; then
    echo "Zubo's programs are removed. Your settings and data stay in $prefix (opcje.ini, baza/, lng/);"
    echo "delete that folder yourself when you no longer need them."
else
    rmdir -- "$prefix" 2>/dev/null || true
    echo "Zubo's programs are removed; $prefix held nothing else."
fi
