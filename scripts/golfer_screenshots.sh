#!/usr/bin/env bash
# Screenshots of the golfer entry, edit and removal screens, each filled with
# a sample golfer in a sub-window at the size it opens with. They land in
# screenshots/ (not kept in git).
#
#   bash scripts/golfer_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

build=${1:-build}
build_targets "$build" golfer_screenshots
mkdir -p screenshots
on_virtual_desktop "$build/bin/golfer_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/golfer-entry.png, golfer-edit.png and golfer-removal.png"
