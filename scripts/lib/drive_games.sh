#!/usr/bin/env bash
# Run on the virtual desktop by scripts/screenshots.sh: a recorded round
# corrected by keyboard alone through Edit > Game.
#   bash scripts/lib/drive_games.sh <program> <screenshot-folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/desktop.sh
program=$1
out=$2
start_program_on_display "$program"

press() { xdotool key --delay 100 "$@"; sleep 0.5; }

press alt+e a # Edit > Game
import -window root "$out/game-edit-opened.png"
press Down Return # the first recorded game, chosen
import -window root "$out/game-edit-chosen.png"
press Tab Tab Return # past the course and the golfer; Enter on the date goes to hole 1
press ctrl+a
xdotool type --delay 30 "7"
sleep 0.3
import -window root "$out/game-edit-changed.png"
press alt+s # Save
import -window root "$out/game-edit-correct.png"
press y
import -window root "$out/game-edit-replace.png"
press y
import -window root "$out/game-edit-updated.png"
press n
