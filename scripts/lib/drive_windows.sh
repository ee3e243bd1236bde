#!/usr/bin/env bash
# Run on the virtual desktop by scripts/screenshots.sh: the golfer screens
# tiled, cascaded and maximised, Alt+R on the removal screen, and the help
# window with Alt+S.
#   bash scripts/lib/drive_windows.sh <program> <screenshot-folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/desktop.sh
program=$1
out=$2
start_program_on_display "$program"
press() { xdotool key --delay 150 "$@"; sleep 0.8; }
shot() { import -window root "$out/$1.png"; echo "Saved $out/$1.png"; }

press alt+a Down Return        # Add > Golfer
press alt+e Down Return        # Edit > Golfers
press alt+d Down Return        # Delete > Golfer
shot windows-cascaded
press alt+w Down Return        # Tile Horizontally
shot windows-tiled-horizontally
press alt+w Down Down Return   # Tile Vertically
shot windows-tiled-vertically
press alt+w Return             # Cascade
# The front window's title bar: double-click maximises it.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 200)) $((Y + 60)) click --repeat 2 --delay 80 1
sleep 1
shot windows-maximised
press Tab Tab Tab              # out of the list, then Alt+R presses Remove
press alt+r
shot removal-alt-r
press Return
xdotool mousemove $((X + 150)) $((Y + 108)) click 1   # the golfer list
sleep 0.5
press End Return               # the last golfer, chosen with Enter
sleep 0.8
shot removal-chosen
press alt+w 2                  # the edit screen, maximised like the others
press End                      # its golfer list has the focus: the last golfer
shot edit-maximised
press alt+h Return             # Help > The Parlow's Log Help
press alt+s
xdotool type --delay 80 "putts"
press Return
shot help-search
press alt+c
shot help-contents
