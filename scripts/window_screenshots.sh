#!/usr/bin/env bash
# Screenshots of the child windows arranged under a virtual X display with a
# window manager: the three golfer screens tiled both ways, cascaded and
# maximised, Alt+R on the removal screen, and the help window with Alt+S.
# The program runs on a copy of the built program folder holding golfers
# with long and accented names. They land in screenshots/ (not kept in git).
#
#   bash scripts/window_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

if [ "${1:-}" = "--on-display" ]; then
  program=$2
  out=screenshots
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
  exit 0
fi

build=${1:-build}
program_dir="$build/Parlow"
build_targets "$build" Parlow
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -a "$program_dir/." "$copy/"
sqlite3 "$copy/green/parlow.plg" <<'SQL'
INSERT INTO tblGolfer (GolferID, FName, MName, LName, FullName, Address, City, State, Age, Sex,
                       Category, Club, Notes)
VALUES ('D2', 'Émile', 'Jean-Baptiste', 'Fitzgerald-Worthington de la Vallée',
        'Émile Jean-Baptiste Fitzgerald-Worthington de la Vallée',
        '1234 Long Winding Fairway Boulevard', 'Saint-Jean-sur-Richelieu', 'QC', 40, 'Male',
        'Adult Male', 'Royal Montréal Golf Club — Blue Course', 'Plays on Sundays'),
       ('D4', 'zoë', '', 'smith', 'zoë smith', '1 Tee Rd', 'Akron', 'OH', 30, 'Female',
        'Adult Female', 'Firestone', ''),
       ('D6', 'Bob', '', 'Adams', 'Bob Adams', '9 Pin St', 'Dayton', 'OH', 55, 'Male',
        'Adult Male', 'NCR', '');
SQL
mkdir -p screenshots
on_virtual_desktop bash "$0" --on-display "$copy/Parlow"
