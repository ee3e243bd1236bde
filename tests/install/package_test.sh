#!/usr/bin/env bash
# Builds the Debian package and checks what it holds: the name, version,
# section and dependencies, every file where Debian and the desktop look for
# it, the desktop entry and AppStream data valid and agreeing on one name,
# file times from the last commit so packing twice gives the same package,
# lintian without an error or a warning, and the packaged program runnable
# from its unpacked tree.
#   package_test.sh <build folder> <source folder>
set -uo pipefail
build=$1
source=$2
. "$(dirname "$0")/install_support.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pack() {  # pack <folder>
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$1" >"$1.log" 2>&1 ||
    { cat "$1.log" >&2; return 1; }
}
pack "$work/first" || { fail "cpack -G DEB"; finish; }
deb=$work/first/parlow_3.1.0-1_$(dpkg --print-architecture).deb
check "the package is named parlow_3.1.0-1_<arch>.deb" test -f "$deb"
[ -f "$deb" ] || finish

check "the version carries the Debian revision" test "$(dpkg-deb -f "$deb" Version)" = 3.1.0-1
check "the section is utils" test "$(dpkg-deb -f "$deb" Section)" = utils
check "xdg-utils is recommended" test "$(dpkg-deb -f "$deb" Recommends)" = xdg-utils
check "the maintainer has a real address" bash -c '! grep -q "@localhost" <<<"$1"' _ \
  "$(dpkg-deb -f "$deb" Maintainer)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libc6 fonts-liberation \
  fonts-comic-neue; do
  check "the package depends on $needed" grep -q "$needed" <<<"$depends"
done

# Reproducible: every time in the package is the last commit's, and packing
# again gives the same bytes.
epoch=$(git -C "$source" log -1 --format=%ct)
times=$( (dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time --utc
  dpkg-deb --ctrl-tarfile "$deb" | tar -tv --full-time --utc) | awk '{print $4 " " $5}' | sort -u)
check "every file time is the last commit's ($(date -u -d "@$epoch" '+%F %T'))" \
  test "$times" = "$(date -u -d "@$epoch" '+%F %T')"
pack "$work/second" && check "packing again gives the same package" \
  cmp -s "$deb" "$work/second/$(basename "$deb")"

check "lintian finds no error or warning" bash -c \
  'lintian --fail-on error,warning --pedantic "$1" >"$2" 2>&1 || { cat "$2" >&2; false; }' _ \
  "$deb" "$work/lintian.log"

root=$work/root
dpkg-deb -x "$deb" "$root"
program=$(cd "$root/usr" && ls -d lib/*/parlow 2>/dev/null || echo lib/parlow)
check "everything is below /usr" test "$(ls "$root")" = usr
app=com.parlowslog.parlow
for file in bin/parlow "$program/Parlow" "$program/libzeviza.so" "$program/installed-copy" \
  share/parlow/green/parlow.plg share/parlow/help/plg.hlp share/parlow/text/About.rtf \
  share/parlow/images/kw6182.gif share/applications/$app.desktop \
  share/metainfo/$app.metainfo.xml share/man/man1/parlow.1.gz share/doc/parlow/copyright \
  share/doc/parlow/changelog.gz share/doc/parlow/changelog.Debian.gz \
  share/icons/hicolor/scalable/apps/$app.svg; do
  check "/usr/$file is in the package" test -e "$root/usr/$file"
done
check "the architecture-dependent folder holds only the program" \
  test "$(LC_ALL=C ls "$root/usr/$program" | tr '\n' ' ')" = "Parlow installed-copy libzeviza.so "
check "parlow on the PATH links to the program" \
  test "$(readlink "$root/usr/bin/parlow")" = "../$program/Parlow"
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png
  check "the ${size}px icon is a ${size}x${size} PNG" grep -q "PNG image data, $size x $size" \
    <<<"$(file "$icon")"
done
check "the scalable icon is an SVG picture" grep -q "SVG" \
  <<<"$(file "$root/usr/share/icons/hicolor/scalable/apps/$app.svg")"
check "the copyright file names the MIT (Expat) licence" \
  grep -qx "License: Expat" "$root/usr/share/doc/parlow/copyright"
check "the LICENSE file is the MIT licence" grep -q "^MIT License" "$source/LICENSE"
check "the Debian changelog's latest entry is this version" \
  grep -q "^parlow (3.1.0-1) " <(gzip -dc "$root/usr/share/doc/parlow/changelog.Debian.gz")

desktop=$root/usr/share/applications/$app.desktop
# desktop-file-validate of Debian 12 predates SingleMainWindow (desktop entry
# 1.5); lintian knows the key.
check "the desktop entry passes desktop-file-validate" bash -c \
  '! desktop-file-validate "$1" | grep -v "key \"SingleMainWindow\""' _ "$desktop"
for line in "Name=The Parlow's Log" "Exec=parlow" "Icon=$app" "StartupNotify=true" \
  "SingleMainWindow=true"; do
  check "the desktop entry says $line" grep -qx "$line" "$desktop"
done
metainfo=$root/usr/share/metainfo/$app.metainfo.xml
check "the AppStream data passes appstreamcli validate" \
  appstreamcli validate --no-net --pedantic "$metainfo"
check "the AppStream id is the desktop entry's name" grep -q "<id>$app</id>" "$metainfo"
check "the AppStream data launches the desktop entry" \
  grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo"
check "the AppStream licence is the MIT licence" grep -q "<project_license>MIT<" "$metainfo"
check "the AppStream data has screenshots" grep -q "<screenshot type=\"default\">" "$metainfo"
for picture in $(sed -n 's#.*<image>.*/\([^/]*\.png\)</image>.*#\1#p' "$metainfo"); do
  check "the screenshot $picture is in packaging/screenshots" \
    test -f "$source/packaging/screenshots/$picture"
done
check "the AppStream data has this release's notes" \
  grep -A2 '<release version="3.1.0"' "$metainfo" | grep -q "<li>"
check "the man page is readable" grep -q '^\.TH PARLOW 1' <(gzip -dc "$root/usr/share/man/man1/parlow.1.gz")
check "the packaged program answers --version" \
  test "$("$root/usr/bin/parlow" --version)" = "The Parlow's Log 3.1.0"
check "the packaged program is stripped" grep -q ", stripped" <<<"$(file -L "$root/usr/bin/parlow")"
# Removing the package leaves every user's log alone: there are no
# maintainer scripts at all.
dpkg-deb -e "$deb" "$work/control"
check "the package has no maintainer scripts" test "$(LC_ALL=C ls "$work/control" | tr '\n' ' ')" = \
  "control md5sums "

finish
