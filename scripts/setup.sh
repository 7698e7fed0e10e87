#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when all are there.
# With --look-tools it also installs what is used to look at the running programs under Xvfb
# (screenshots and mouse clicks); neither the programs nor the tests need those. With --fuzz-tools
# it also installs clang and its libFuzzer, with which scripts/fuzz.sh builds the fuzz targets.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev
    # Qt's own Polish texts (qtbase_pl.qm) for the standard dialogs and message-box buttons
    qt6-translations-l10n
    libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    # pdfinfo and pdftotext, with which the tests read back the jobs printed into PDF files
    poppler-utils
    # desktop-file-validate, with which the tests check the desktop entries the installer writes
    desktop-file-utils
    # aplay, the player of the main program's phone read-aloud when no PipeWire or PulseAudio
    # player is there
    alsa-utils
)
if [ "${1:-}" = "--look-tools" ]; then
    packages+=(xvfb xauth imagemagick xdotool libglib2.0-bin)
fi
if [ "${1:-}" = "--fuzz-tools" ]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
