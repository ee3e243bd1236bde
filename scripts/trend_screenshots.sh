#!/usr/bin/env bash
# Screenshots of the trends screen and of a chart window in the main window,
# and the charts as saved (PNG and PDF). They land in
# screenshots/ (not kept in git).
#
#   bash scripts/trend_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

build=${1:-build}
build_targets "$build" trend_screenshots
mkdir -p screenshots
on_virtual_desktop "$build/bin/trend_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/trends-*.png and trends-saved.pdf"
