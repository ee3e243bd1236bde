#!/usr/bin/env bash
# Screenshots of the golfer entry, edit and removal screens, each filled with
# a sample golfer in a sub-window at the size it opens with. They land in
# screenshots/ (not kept in git).
#
#   bash scripts/golfer_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -d "$build" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target golfer_screenshots
mkdir -p screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/bin/golfer_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/golfer-entry.png, golfer-edit.png and golfer-removal.png"
