#!/usr/bin/env bash
# Builds the Debian package build/kelvane_<version>_amd64.deb with CPack: the
# program, its desktop launcher, desktop entry and icons. Its dependencies are
# computed from the libraries the program links. Install it with
#   sudo apt-get install ./build/kelvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kelvane
rm -f build/kelvane_*.deb
if ! (cd build && cpack -G DEB >cpack.log 2>&1); then
  cat build/cpack.log >&2; exit 1
fi
ls build/kelvane_*.deb
