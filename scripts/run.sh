#!/usr/bin/env bash
# Set up, build and start The Parlow's Log from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
exec build/Parlow/Parlow "$@"
