#!/usr/bin/env bash
# Screenshots of the six review screens, each with a row chosen, and of the
# main window with a report window open, maximised and tiled. They land in
# screenshots/ (not kept in git).
#
#   bash scripts/review_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

build=${1:-build}
build_targets "$build" review_screenshots
mkdir -p screenshots
on_virtual_desktop "$build/bin/review_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/review-*.png"
