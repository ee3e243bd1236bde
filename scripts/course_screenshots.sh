#!/usr/bin/env bash
# Screenshots of the course entry, edit and removal screens, each filled
# with a sample course in a main window the size of a 1280x800 desktop at the
# size the screen opens with; then all three cascaded, tiled and one
# maximised. They land in screenshots/ (not kept in git).
#
#   bash scripts/course_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -d "$build" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target course_screenshots
mkdir -p screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/bin/course_screenshots" "$(realpath screenshots)"
echo "Saved screenshots/course-entry.png, course-edit.png, course-removal.png,"
echo "course-cascaded.png, course-tiled.png and course-maximised.png"
