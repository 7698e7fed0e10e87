#!/usr/bin/env bash
# Sets up the machine, builds, and installs the program folder, or updates it when it is there:
# ~/Zubo, or the folder named by ZUBO_HOME, or by --prefix. Also puts the main program into the
# desktop's applications menu, and with --autostart runs the checker at each logon.
#
#   scripts/install.sh [--prefix DIR] [--autostart] [--build-dir DIR] [--if-changed]
#
#   --prefix DIR     the program folder (default: $ZUBO_HOME, else ~/Zubo)
#   --autostart      also start the checker wakto19 at each logon (a desktop autostart entry)
#   --build-dir DIR  install from this finished build instead of setting up and building
#   --if-changed     do nothing, and need no package, when the folder holds the programs of this
#                    very source (scripts/run.sh)
#
# An update replaces what ships: the two programs, the icon, wav/ and the name-day files in
# baza/stale/. Everything else in the folder is the user's and is never touched: opcje.ini, the
# entries and photos in baza/, ulubione.sps, saved lists, lng/ and baza/stale/swieta.wps. A
# name-day file that differs from every version that ever shipped (resources/stale/shipped.sha256;
# ZUBO_SHIPPED_SUMS names another list, for tests) was changed by the user and is kept too.
#
# Every file is first installed into a folder beside the others, synced, and then renamed into
# place, so a failed or full disk stops the update before it has replaced anything.
#
# The folder's .zubo-install.sha256 records what was installed (each file's checksum, the desktop
# entries with their full paths) and from which source; scripts/uninstall.sh removes only what it
# lists, unchanged.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"

source "$source_dir/scripts/programfolder.sh"
program_folder
autostart=no
build_dir=""
if_changed=no
while [ $# -gt 0 ]; do
    case "$1" in
    --prefix | --prefix=*)
        program_folder "$@"
        shift "$prefix_arguments"
        ;;
    --autostart) autostart=yes; shift ;;
    --if-changed) if_changed=yes; shift ;;
    --build-dir) build_dir="${2:?--build-dir needs a folder}"; shift 2 ;;
    --build-dir=*) build_dir="${1#--build-dir=}"; shift ;;
    -h | --help) sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
    *) echo "install.sh: unknown argument: $1 (see --help)" >&2; exit 2 ;;
    esac
done
case "$prefix" in *$'\n'* | *$'\r'*)
    echo "install.sh: a program folder with a line break in its name cannot go into a desktop entry" >&2
    exit 2 ;;
esac
shipped_sums="${ZUBO_SHIPPED_SUMS:-$source_dir/resources/stale/shipped.sha256}"

manifest="$prefix/.zubo-install.sha256"
# What this source is: a checksum over its files (the build folders and .git aside).
source_sum() {
    (cd "$source_dir" && find . \( -path './build*' -o -path ./.git \) -prune -o -type f -print0 |
        LC_ALL=C sort -z | xargs -0 sha256sum | sha256sum | cut -c1-64)
}
source="$(source_sum)"
if [ "$if_changed" = yes ] && [ -x "$prefix/Zubo_37" ] && [ -x "$prefix/wakto19" ] &&
    grep -qx -- "# source $source" "$manifest" 2>/dev/null; then
    exit 0
fi

if [ -z "$build_dir" ]; then
    "$source_dir/scripts/setup.sh" --build
    "$source_dir/scripts/build.sh" --programs
    build_dir="$source_dir/build"
fi

fresh=no
[ -e "$prefix/Zubo_37" ] || fresh=yes
mkdir -p -- "$prefix"
stage="$(mktemp -d -- "$prefix/.zubo-update.XXXXXX")"
trap 'rm -rf -- "$stage"' EXIT
# Nothing is renamed into place before every new file is on the disk.
if ! cmake --install "$build_dir" --prefix "$stage" >/dev/null || ! find "$stage" -type f -exec sync -- {} +; then
    echo "install.sh: the new files could not be written next to $prefix; nothing in it was changed." >&2
    exit 1
fi

# Whether a file is one of the shipped versions of the name-day file of its name.
shipped_version() {
    local sum
    sum="$(sha256sum <"$1" | cut -c1-64)"
    grep -qx -- "$sum  $(basename -- "$1")" "$shipped_sums"
}

(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n') | while IFS= read -r folder; do
    mkdir -p -- "$prefix/$folder"
done
# The record of this install, filled as the files go into place and renamed over the old one last.
record="$(mktemp -- "$prefix/.zubo-record.XXXXXX")"
trap 'rm -rf -- "$stage" "$record"' EXIT
echo "# source $source" >"$record"
(cd "$stage" && find . -type f -printf '%P\n') | sort | while IFS= read -r file; do
    target="$prefix/$file"
    case "$file" in
    baza/stale/Imiona_wg_dat.wps | baza/stale/Imiona_index.ind)
        if [ -e "$target" ] && ! cmp -s -- "$stage/$file" "$target" && ! shipped_version "$target"; then
            echo "Kept $target: it was changed, so the new version was not installed over it."
            continue
        fi
        ;;
    esac
    sum="$(sha256sum <"$stage/$file" | cut -c1-64)"
    if ! mv -f -T -- "$stage/$file" "$target"; then
        echo "install.sh: $target could not be replaced; the update stopped there." >&2
        exit 1
    fi
    echo "$sum  $file" >>"$record"
done
sync -- "$prefix" "$prefix/wav" "$prefix/baza/stale"

# Desktop entries take a command line: a path with blanks or special characters is quoted, and
# every backslash is doubled once more for the entry's own escaping.
exec_quoted() {
    if [[ "$1" =~ ^[A-Za-z0-9_/.+-]+$ ]]; then
        printf '%s' "$1"
    else
        local quoted="$1"
        quoted="${quoted//\\/\\\\}"
        quoted="${quoted//\"/\\\"}"
        quoted="${quoted//\`/\\\`}"
        quoted="${quoted//\$/\\\$}"
        quoted="\"$quoted\""
        quoted="${quoted//\\/\\\\}"
        printf '%s' "${quoted//%/%%}"
    fi
}
entry_string() {
    printf '%s' "${1//\\/\\\\}"
}

# Writes a desktop entry whole: into a temporary file beside it, synced, then renamed.
write_entry() {
    local target="$1" folder temp
    folder="$(dirname -- "$target")"
    mkdir -p -- "$folder"
    temp="$(mktemp -- "$folder/.zubo-entry.XXXXXX")"
    # Readable by all, as the desktop's own entries are (mktemp makes it the owner's alone).
    if ! cat >"$temp" || ! chmod 0644 -- "$temp" || ! sync -- "$temp" || ! mv -f -T -- "$temp" "$target"; then
        rm -f -- "$temp"
        return 1
    fi
    echo "$(sha256sum <"$target" | cut -c1-64)  $target" >>"$record"
}

applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
write_entry "$applications/zubo.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Zubo
GenericName=Książka adresowa
Comment=Kontakty, urodziny, imieniny i przypomnienia
Exec=$(exec_quoted "$prefix/Zubo_37")
Path=$(entry_string "$prefix")
Icon=$(entry_string "$prefix/zubo.png")
Terminal=false
Categories=Office;ContactManagement;
EOF

autostart_entry="${XDG_CONFIG_HOME:-$HOME/.config}/autostart/wakto19.desktop"
if [ "$autostart" = yes ]; then
    write_entry "$autostart_entry" <<EOF
[Desktop Entry]
Type=Application
Name=Wakto
Comment=Przypomnienia Zubo: urodziny, imieniny i rocznice
Exec=$(exec_quoted "$prefix/wakto19")
Path=$(entry_string "$prefix")
Icon=$(entry_string "$prefix/zubo.png")
Terminal=false
EOF
fi

# An entry written by an earlier install and not now stays listed, so uninstall.sh still finds it.
if [ -e "$autostart_entry" ] && [ "$autostart" = no ] && grep -qF -- "  $autostart_entry" "$manifest" 2>/dev/null; then
    grep -F -- "  $autostart_entry" "$manifest" | tail -n 1 >>"$record"
fi
if ! sync -- "$record" || ! mv -f -T -- "$record" "$manifest"; then
    echo "install.sh: the record of the install, $manifest, could not be written." >&2
    exit 1
fi

echo "Zubo is in $prefix; the applications menu lists it."
if [ -e "$autostart_entry" ]; then
    echo "The checker runs at each logon ($autostart_entry)."
else
    echo "To run the checker at each logon: scripts/install.sh --autostart"
fi
if [ "$fresh" = yes ] && compgen -G "$source_dir/build/program/baza/*.wp?" >/dev/null; then
    echo "Entries of an earlier run are in $source_dir/build/program/: copy opcje.ini, baza/ and lng/"
    echo "from there into $prefix before adding new ones."
fi
