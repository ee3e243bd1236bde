#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the screenshots need,
# and nothing when they are all there already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev
  libsqlitecpp-dev libsqlite3-dev sqlite3 libicu-dev locales
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-comic-neue
  xvfb xauth x11-apps imagemagick xdotool openbox libxcb1-dev
  clang-format
  poppler-utils
  dpkg-dev fakeroot file desktop-file-utils appstream lintian man-db git
  qt6-svg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
