#!/usr/bin/env bash
# Set up, build and run every test: the full build with the screens, then the
# data library and the window-free rules again under address and undefined
# behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2 --timeout 300

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPARLOW_SANITIZE=ON \
  -DPARLOW_WITH_GUI=OFF -DPARLOW_WITH_BENCH=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2 --timeout 300
