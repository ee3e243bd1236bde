#!/usr/bin/env bash
# Set up, build and make the Debian package of The Parlow's Log:
# build-package/parlow_<version>_<arch>.deb, built for release without the
# tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DPARLOW_WITH_TESTS=OFF \
  -DPARLOW_WITH_BENCH=OFF
cmake --build build-package -j2
cd build-package
cpack -G DEB
ls "$PWD"/parlow_*.deb
