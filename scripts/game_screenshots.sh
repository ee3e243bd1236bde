#!/usr/bin/env bash
# Screenshots of the game entry and removal screens, each filled with a
# sample round in a sub-window at the size it opens with, inside a main
# window of a 1280x800 desktop. They land in screenshots/ (not kept in git).
#
#   bash scripts/game_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -d "$build" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target game_screenshots
mkdir -p screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/bin/game_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/game-entry.png and game-removal.png"
