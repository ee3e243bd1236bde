#!/usr/bin/env bash
# Screenshots of the running program under a virtual X display: the main
# window with its Window menu open, and the About box. They land in
# screenshots/ (not kept in git).
#
#   bash scripts/screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

if [ "${1:-}" = "--on-display" ]; then
  program=$2
  out=screenshots

  start_program_on_display "$program"

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
build_targets "$build" Parlow
mkdir -p screenshots
on_virtual_desktop bash "$0" --on-display "$(realpath "$program")"
