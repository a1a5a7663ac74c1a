#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run, package and
# test (the install checks use xprop, dpkg-shlibdeps, desktop-file-validate,
# appstreamcli, lintian and man).
# Both README commands call this; it does nothing when all is there.
set -euo pipefail

packages=(
  g++
  cmake
  make
  pkg-config
  libgtest-dev
  clang
  libclang-rt-14-dev
  libsdl2-dev
  libsdl2-mixer-dev
  libsdl2-ttf-dev
  libepoxy-dev
  libgl-dev
  libegl-dev
  libgl1-mesa-dri
  libegl-mesa0
  libstb-dev
  fonts-dejavu-core
  xvfb
  xdotool
  imagemagick
  xauth
  gettext
  x11-utils
  dpkg-dev
  desktop-file-utils
  appstream
  lintian
  man-db
  openbox
  libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
