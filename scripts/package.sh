#!/usr/bin/env bash
# Builds the Debian package into build/deb: the game configured for /usr,
# with its executable in /usr/games as Debian keeps games, packed by CPack.
# Prints the path of the .deb.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_INSTALL_BINDIR=games -DSTERNFAHRT_TESTS=OFF -DSTERNFAHRT_BENCH=OFF >/dev/null
cmake --build build/deb -j "$(nproc)" >/dev/null
rm -f build/deb/package/sternfahrt_*.deb
(cd build/deb && cpack -G DEB -B package >/dev/null)
ls "$PWD"/build/deb/package/sternfahrt_*.deb
