#!/usr/bin/env bash
# Run on the virtual desktop by scripts/screenshots.sh: the main window
# with its Window menu open, and the About box.
#   bash scripts/lib/drive_main.sh <program> <screenshot-folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/desktop.sh
program=$1
out=$2

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
