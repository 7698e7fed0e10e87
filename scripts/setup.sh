#!/usr/bin/env bash
# Installs the Debian 12 packages a command needs; does nothing when all are there.
#
#   scripts/setup.sh             what the build and the tests need (scripts/test.sh)
#   scripts/setup.sh --build     what building the programs needs (scripts/run.sh, install.sh)
#   scripts/setup.sh --package   that, and what building the Debian package needs (package.sh)
#   scripts/setup.sh --package-check
#                                that, and lintian, man and mandoc, with which CI checks the
#                                package and its manual pages
#   scripts/setup.sh --look-tools
#                                what the tests need, and what is used to look at the running
#                                programs under Xvfb (screenshots and mouse clicks)
#   scripts/setup.sh --fuzz-tools
#                                what the tests need, and clang with its libFuzzer, with which
#                                scripts/fuzz.sh builds the fuzz targets
#
# Packages are installed with apt-get, through sudo when not run as root. When some are missing
# and this user cannot install them (no sudo, or sudo refuses), it prints the list for an
# administrator and ends with exit code 1.
set -euo pipefail

build_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev
    libjpeg62-turbo-dev
    # Qt's own Polish texts (qtbase_pl.qm) for the standard dialogs and message-box buttons
    qt6-translations-l10n
    fonts-dejavu-core
    # aplay, the player of the main program's phone read-aloud when no PipeWire or PulseAudio
    # player is there
    alsa-utils
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    # pdfinfo and pdftotext, with which the tests read back the jobs printed into PDF files
    poppler-utils
    # desktop-file-validate, with which the tests check the desktop entries the installer writes
    desktop-file-utils
)
case "${1:-}" in
"") packages=("${build_packages[@]}" "${test_packages[@]}") ;;
--build) packages=("${build_packages[@]}") ;;
--package) packages=("${build_packages[@]}" dpkg-dev) ;;
--package-check) packages=("${build_packages[@]}" dpkg-dev lintian man-db mandoc) ;;
--look-tools) packages=("${build_packages[@]}" "${test_packages[@]}" xvfb xauth imagemagick xdotool libglib2.0-bin) ;;
--fuzz-tools) packages=("${build_packages[@]}" "${test_packages[@]}" clang-14 libclang-rt-14-dev) ;;
*) echo "setup.sh: unknown argument: $1 (see the top of the script)" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

cannot_install() {
    echo "These Debian packages are needed to build Zubo and are not installed:" >&2
    echo >&2
    echo "    ${missing[*]}" >&2
    echo >&2
    echo "This user cannot install them ($1). Ask an administrator to run:" >&2
    echo >&2
    echo "    apt-get install ${missing[*]}" >&2
    exit 1
}

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || cannot_install "no sudo"
    # sudo asks for a password only on a terminal; without one it can only go on when it needs none.
    if ! sudo -n true 2>/dev/null && ! [ -t 0 ]; then
        cannot_install "sudo needs a password and there is no terminal to ask for it"
    fi
    sudo=(sudo)
fi
# sudo passes no environment on: the setting goes on apt-get's own command line.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || cannot_install "apt-get update failed"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" ||
    cannot_install "apt-get install failed"
