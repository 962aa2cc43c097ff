#!/usr/bin/env bash
# Installs the built tree into a temporary prefix and checks it as a user's
# system would: the installed qznum-cli finds the installed data, the desktop
# entry, AppStream file and MIME types validate, the manual page renders; then
# builds the Debian package. With QZ_DEB_INSTALL=1 (CI runs as root in a
# throw-away container) the package is also installed with apt and checked.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$prefix" >/dev/null
share="$prefix/share/qzarel-numerology"
for f in bin/qznum bin/qznum-cli share/qzarel-numerology/eng.dat \
         share/qzarel-numerology/images/manual/index.html share/man/man1/qznum-cli.1 \
         share/applications/com.qzarel.numerology.desktop \
         share/metainfo/com.qzarel.numerology.metainfo.xml \
         share/mime/packages/com.qzarel.numerology.xml; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
ls "$share"/images/templates/*.qnr >/dev/null || fail "no sample charts installed"
for s in 16 22 24 32 48 64 128 256 512; do
  icon="$prefix/share/icons/hicolor/${s}x${s}/apps/com.qzarel.numerology.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${s}x${s}" ] || fail "icon $s px"
done

# The installed tool, away from the build tree, reads the installed data.
cli() { (cd "$work" && "$prefix/bin/qznum-cli" "$@"); }
cli profile --full "John Smith" --birth 1985-11-29 | grep -q '"lifePath"' || fail "profile"
cli texts --guide 1.0 | grep -q Birthday || fail "texts from the installed eng.dat"
cli report numerology --full "John Smith" --birth 1985-11-29 --html "$work/r.html"
grep -q 'data:image/' "$work/r.html" || fail "report pictures from the installed images/"
cli chart "$(ls "$share"/images/templates/*.qnr | head -1)" --full "John Smith" \
  --birth 1985-11-29 --png "$work/chart.png" >/dev/null
[ -s "$work/chart.png" ] || fail "chart from an installed sample"

desktop-file-validate "$prefix/share/applications/com.qzarel.numerology.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/com.qzarel.numerology.metainfo.xml"
mkdir -p "$work/mime/packages"
cp "$prefix/share/mime/packages/com.qzarel.numerology.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
for t in 'person:\*.num' 'chart:\*.qnr' 'layout:\*.qznr'; do
  grep -q "application/x-qzarel-${t}" "$work/mime/globs" || fail "MIME glob ${t}"
done
MANWIDTH=80 man -l "$prefix/share/man/man1/qznum-cli.1" 2>&1 | grep -q 'profile --full NAME' \
  || fail "qznum-cli manual page"
! man -l --warnings "$prefix/share/man/man1/qznum-cli.1" 2>&1 >/dev/null | grep . || fail "troff warnings"

(cd "$BUILD" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD"/qzarel-numerology_*.deb | head -1)
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: $(basename "$deb"), depends: $depends"
for lib in libqt5webenginewidgets5 libqt5widgets5 libqrencode4; do
  grep -q "$lib" <<<"$depends" || fail "package does not depend on $lib"
done

if [ "${QZ_DEB_INSTALL:-0}" = 1 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "./$deb" >/dev/null
  (cd "$work" && qznum-cli texts --guide 1.0 | grep -q Birthday) || fail "installed package: texts"
  [ -f /usr/share/applications/com.qzarel.numerology.desktop ] || fail "installed package: menu entry"
  [ -f /usr/share/icons/hicolor/48x48/apps/com.qzarel.numerology.png ] || fail "installed package: icon"
  man -w qznum-cli >/dev/null || fail "installed package: man qznum-cli"
  grep -q '^application/x-qzarel-person=.*com.qzarel.numerology.desktop' \
    /usr/share/applications/mimeinfo.cache || fail "installed package: .num not opened by the program"
  # The installed program starts (its licence question waits) and keeps running.
  rc=0
  HOME="$work" QT_QPA_PLATFORM=offscreen timeout 8 qznum "$work/none.num" >/dev/null 2>&1 || rc=$?
  [ "$rc" = 124 ] || fail "installed package: qznum ended with status $rc"
  grep -q 'x-qzarel-person' /usr/share/mime/globs || fail "installed package: MIME type"
  echo "package installed and checked"
fi
echo "install check passed"
