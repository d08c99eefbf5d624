#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks its files and dependencies, unpacks it
# into a temporary root and runs the installed program from there with its folder read-only.
#   package_test.sh <build folder> <e2e test program>
set -euo pipefail
build=$1
e2e=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb=$(ls "$work"/out/mosaro_*.deb)

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/mosaro ./usr/share/applications/mosaro.desktop \
    ./usr/share/metainfo/org.mosaro.Mosaro.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/mosaro.svg \
    ./usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/mosaro.png; do
  grep -qxF "$file" <<<"$files" || fail "$file is not in the package"
done
# Nothing of the tests or benchmarks comes along.
[ "$(grep -c '[^/]$' <<<"$files")" -eq 12 ] || fail "unexpected files: $files"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libglib2.0-0 libc6 \
    libqt6svg6 qt6-wayland qt6-translations-l10n fonts-ipafont-gothic adwaita-icon-theme \
    hicolor-icon-theme shared-mime-info; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/mosaro.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.mosaro.Mosaro.metainfo.xml" >/dev/null
MOSARO_PROGRAM="$work/root/usr/bin/mosaro" "$e2e" --gtest_filter='ReadOnlyProgramFolder.*'
