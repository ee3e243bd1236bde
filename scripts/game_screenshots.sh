#!/usr/bin/env bash
# Screenshots of the game entry and removal screens, each filled with a
# sample round in a sub-window at the size it opens with, inside a main
# window of a 1280x800 desktop. They land in screenshots/ (not kept in git).
#
#   bash scripts/game_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

build=${1:-build}
build_targets "$build" game_screenshots
mkdir -p screenshots
on_virtual_desktop "$build/bin/game_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/game-entry.png and game-removal.png"
