#!/usr/bin/env bash
# Installs the Debian packages Mosaro needs that are not there yet.
#   install-packages.sh run    what building and running needs
#   install-packages.sh test   that, plus what the tests and benchmarks need
set -euo pipefail

run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev libglib2.0-dev qt6-wayland
  libxcb1-dev qt6-translations-l10n fonts-ipafont-gothic adwaita-icon-theme hicolor-icon-theme shared-mime-info
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool xclip x11-utils libsm-dev libice-dev
  dbus at-spi2-core python3-pyatspi
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 icoutils
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev weston
)

wanted=("${run_packages[@]}")
if [ "${1:-run}" = test ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
