#!/usr/bin/env bash
# Screenshots of the running program under a virtual X display: the main
# window with its Window menu open, and the About box. They land in
# screenshots/ (not kept in git).
#
#   bash scripts/screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--on-display" ]; then
  program=$2
  out=screenshots

  # A window manager draws the title bars and icons a desktop would show.
  openbox --sm-disable &
  manager=$!
  sleep 1
  "$program" --no-splash &
  pid=$!
  trap 'kill "$pid" "$manager" 2>/dev/null || true' EXIT
  window=$(xdotool search --sync --onlyvisible --name "^The Parlow's Log v" | head -1)
  xdotool windowfocus --sync "$window"
  sleep 1

  press() { xdotool key --delay 120 "$@"; sleep 0.6; }

  # Open whatever screens are built so far, so the Window menu lists them.
  press alt+a Down Return
  press alt+a Down Down Return
  press alt+w
  import -window root "$out/main-window-menu.png"
  press Escape Escape

  press alt+h Down Down Down Return
  import -window root "$out/about.png"
  press Return
  echo "Saved $out/main-window-menu.png and $out/about.png"
  exit 0
fi

build=${1:-build}
program="$build/Parlow/Parlow"
if [ ! -x "$program" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j2 --target Parlow
fi
mkdir -p screenshots
xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --on-display "$(realpath "$program")"
