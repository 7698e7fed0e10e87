#!/usr/bin/env bash
# Builds the Debian package of the two programs and prints the path of the .deb:
#
#   scripts/package.sh [--build-dir DIR]     (default: build-package/ beside build/)
#   sudo apt install ./build-package/zubo_<version>_<arch>.deb
#
# The package build is a build of its own: the programs alone (Release, stripped; no tests,
# benchmarks or tools), laid out for /usr (ZUBO_LAYOUT=system): the programs and the results module
# in /usr/lib/zubo/ with links in /usr/bin/, the digit sounds and the name-day files as shipped in
# /usr/share/zubo/, the menu entry, the icon and the manual pages. Each user's settings and data
# are in ~/Zubo (or ZUBO_HOME), made at the first start; `apt remove zubo` removes what the package
# installed and never that folder.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$source_dir/build-package"
while [ $# -gt 0 ]; do
    case "$1" in
    --build-dir) build_dir="$(realpath -m -- "${2:?--build-dir needs a folder}")"; shift 2 ;;
    -h | --help) sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
    *) echo "package.sh: unknown argument: $1 (see --help)" >&2; exit 2 ;;
    esac
done

"$source_dir/scripts/setup.sh" --package

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUBO_BUILD_TESTS=OFF \
    -DZUBO_LAYOUT=system -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

# The version is the one at the top of the package's changelog.
version="$(sed -n '1s/^zubo (\([^)]*\)).*/\1/p' "$source_dir/resources/package/changelog")"
arch="$(dpkg --print-architecture)"
name="zubo_${version}_${arch}"
stage="$build_dir/$name"
rm -rf -- "$stage"
DESTDIR="$stage" cmake --install "$build_dir" --strip >/dev/null
# Manual pages go compressed, without the name and time of the file, as Debian's own tools ship them.
gzip -9n -- "$stage"/usr/share/man/man1/*.1

doc="$stage/usr/share/doc/zubo"
mkdir -p -- "$doc"
cp -- "$source_dir/resources/package/copyright" "$doc/copyright"
gzip -9n <"$source_dir/resources/package/changelog" >"$doc/changelog.Debian.gz"
# Files and folders as a package carries them, whatever the umask of the build.
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage/usr/lib/zubo/Zubo_37" "$stage/usr/lib/zubo/wakto19"

# The libraries the programs link, as Debian's own tool reads them from the programs.
shlibs="$(mktemp -d)"
trap 'rm -rf -- "$shlibs"' EXIT
mkdir "$shlibs/debian"
printf 'Source: zubo\n\nPackage: zubo\nArchitecture: any\n' >"$shlibs/debian/control"
depends="$(cd "$shlibs" && dpkg-shlibdeps -O -e"$stage/usr/lib/zubo/Zubo_37" -e"$stage/usr/lib/zubo/wakto19" \
    -e"$stage/usr/lib/zubo/wakto19_wyniki.so" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')"
[ -n "$depends" ] || { echo "package.sh: the libraries the programs need could not be found" >&2; exit 1; }

mkdir -p -- "$stage/DEBIAN"
cat >"$stage/DEBIAN/control" <<CONTROL
Package: zubo
Version: $version
Architecture: $arch
Maintainer: Zubo developers <zubo@example.org>
Installed-Size: $(du -sk --exclude=DEBIAN -- "$stage" | cut -f1)
Depends: $depends, qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core | fonts-liberation2 | fonts-noto-core
Recommends: pipewire-bin | pulseaudio-utils | alsa-utils, xdg-utils
Section: misc
Priority: optional
Description: contact book with birthday, name-day and occasion reminders
 Zubo is a desktop contact book for Polish users: persons and one-off
 reminders, groups, a bin, search, favourites, printing of person sheets and
 envelopes, e-mail, colour schemes, language files and a Polish name-day
 calendar.
 .
 Its checker, wakto19, lists the birthdays, name days and occasions that are
 due or have just passed, for example at each logon.
 .
 Each user's contacts and settings are kept in ~/Zubo (or the folder named by
 ZUBO_HOME), made at the first start and never removed with the package.
CONTROL

deb="$build_dir/$name.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
