#!/usr/bin/env bash
# Builds the Debian package once and checks what it holds: the name, the
# dependencies worked out from the libraries plus the fonts, the desktop
# entry and AppStream data valid, every file where the desktop looks for it,
# and the packaged program runnable from its unpacked tree.
#   package_test.sh <build folder>
set -uo pipefail
build=$1
. "$(dirname "$0")/install_support.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; finish; }
deb=$work/parlow_3.1.0_$(dpkg --print-architecture).deb
check "the package is named parlow_<version>_<arch>.deb" test -f "$deb"
[ -f "$deb" ] || finish

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libc6 fonts-liberation \
  fonts-comic-neue; do
  check "the package depends on $needed" grep -q "$needed" <<<"$depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
check "everything is below /usr" test "$(ls "$root")" = usr
for file in bin/parlow lib/parlow/Parlow lib/parlow/libzeviza.so lib/parlow/installed-copy \
  lib/parlow/green/parlow.plg lib/parlow/help/plg.hlp lib/parlow/text/About.rtf \
  lib/parlow/images/kw6182.gif share/applications/parlow.desktop \
  share/metainfo/com.parlowslog.parlow.metainfo.xml share/man/man1/parlow.1.gz; do
  check "/usr/$file is in the package" test -e "$root/usr/$file"
done
check "parlow on the PATH links to the program" \
  test "$(readlink "$root/usr/bin/parlow")" = ../lib/parlow/Parlow
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/parlow.png
  check "the ${size}px icon is a ${size}x${size} PNG" grep -q "PNG image data, $size x $size" \
    <<<"$(file "$icon")"
done

desktop=$root/usr/share/applications/parlow.desktop
check "the desktop entry passes desktop-file-validate" desktop-file-validate "$desktop"
check "the desktop entry is named The Parlow's Log" grep -qx "Name=The Parlow's Log" "$desktop"
check "the desktop entry starts parlow" grep -qx "Exec=parlow" "$desktop"
check "the desktop entry's icon is installed" grep -qx "Icon=parlow" "$desktop"
if command -v appstreamcli >/dev/null; then
  check "the AppStream data passes appstreamcli validate" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/com.parlowslog.parlow.metainfo.xml"
fi
check "the man page is readable" grep -q '^\.TH PARLOW 1' <(gzip -dc "$root/usr/share/man/man1/parlow.1.gz")
check "the packaged program answers --version" \
  test "$("$root/usr/bin/parlow" --version)" = "The Parlow's Log 3.1.0"
check "the packaged program is stripped" grep -q ", stripped" <<<"$(file -L "$root/usr/bin/parlow")"
# Removing the package leaves every user's log alone: no maintainer script
# removes anything (cpack's own scripts only run ldconfig).
dpkg-deb -e "$deb" "$work/control"
for script in "$work"/control/{preinst,postinst,prerm,postrm}; do
  [ -f "$script" ] || continue
  check "$(basename "$script") removes nothing" bash -c '! grep -qwE "rm|rmdir|unlink" "$1"' _ "$script"
done

finish
