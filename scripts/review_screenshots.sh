#!/usr/bin/env bash
# Screenshots of the six review screens, each with a row chosen, and of the
# main window with a report window open, maximised and tiled. They land in
# screenshots/ (not kept in git).
#
#   bash scripts/review_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -d "$build" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target review_screenshots
mkdir -p screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/bin/review_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/review-*.png"
