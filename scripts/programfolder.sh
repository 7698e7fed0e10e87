# Sourced by the scripts that install and run the programs. program_folder sets `prefix` to the
# program folder: --prefix DIR (or --prefix=DIR) when those are its first arguments, else
# $ZUBO_HOME, else ~/Zubo, as an absolute path; `prefix_arguments` is how many arguments it took.
program_folder() {
    prefix="${ZUBO_HOME:-${HOME:?}/Zubo}"
    prefix_arguments=0
    case "${1:-}" in
    --prefix) prefix="${2:?--prefix needs a folder}"; prefix_arguments=2 ;;
    --prefix=*) prefix="${1#--prefix=}"; prefix_arguments=1 ;;
    esac
    [ -n "$prefix" ] || { echo "the program folder is empty" >&2; return 2; }
    prefix="$(realpath -m -- "$prefix")"
}
