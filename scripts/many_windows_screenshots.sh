#!/usr/bin/env bash
# Screenshots of a dozen child windows under a virtual X display with a
# window manager: cascaded (past the number that fits), tiled both ways, one
# maximised, and a game history opened from its review screen. The program
# runs on a copy of the built program folder holding golfers, a course with a
# name at the entry limit and a few games. They land in screenshots/ (not
# kept in git).
#
#   bash scripts/many_windows_screenshots.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

if [ "${1:-}" = "--on-display" ]; then
  program=$2
  out=screenshots
  start_program_on_display "$program"
  press() { xdotool key --delay 120 "$@"; sleep 0.6; }
  shot() { import -window root "$out/$1.png"; echo "Saved $out/$1.png"; }
  # Each menu's items top to bottom: Down moves over the separators.
  open() { press "alt+$1"; for ((i = 1; i < $2; i++)); do press Down; done; press Return; }

  open a 1; open a 2; open a 3; open a 4      # Add: Game, Golfer, Course, Score Sheets
  open e 1; open e 2                          # Edit: Course, Golfers
  open d 1; open d 2; open d 3                # Delete: Game, Golfer, Course
  open r 1; open r 2; open r 4                # Reports: Courses, Games, Golfer Stats
  shot dozen-cascaded
  press alt+w                                 # the Window menu's list of twelve
  shot dozen-window-menu
  press Escape Escape
  press alt+w Down Return                     # Tile Horizontally
  shot dozen-tiled-horizontally
  press alt+w Down Down Return                # Tile Vertically
  shot dozen-tiled-vertically
  press alt+w Return                          # Cascade
  press ctrl+F4                               # closes the front screen
  shot dozen-ctrl-f4
  open r 3                                    # Reports > Game History
  press Down Return alt+r                     # the first golfer, then Report
  sleep 1
  shot history-report-opened
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 300)) $((Y + 60)) click --repeat 2 --delay 80 1
  sleep 1
  shot history-report-maximised
  exit 0
fi

build=${1:-build}
program_dir="$build/Parlow"
build_targets "$build" Parlow
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -a "$program_dir/." "$copy/"
sqlite3 "$copy/green/parlow.plg" <<'SQL'
INSERT INTO tblGolfer (GolferID, FName, LName, FullName, Address, City, State, Age, Sex, Category,
                       Club)
VALUES ('D2', 'Ann', 'Lee', 'Ann Lee', '1 Tee Rd', 'Akron', 'OH', 40, 'Female', 'Adult Female',
        'Firestone'),
       ('D4', 'Bob', 'Adams', 'Bob Adams', '9 Pin St', 'Dayton', 'OH', 55, 'Male', 'Adult Male',
        'NCR');
INSERT INTO tblClub (ClubID, ClubName, Tees, City, State, CoursePar)
VALUES ('C2', 'ROYAL MONTREAL GOLF CLUB BLUE COURS', 'Blue', 'Montreal', 'QC', 72);
INSERT INTO tblGames (GameID, GolferID, FullName, Holes, ClubID, Club, Tees, PlayDate, CoursePar,
                      NetScore, GrossScore)
VALUES ('G2', 'D2', 'Ann Lee', 18, 'C2', 'ROYAL MONTREAL GOLF CLUB BLUE COURS', 'Blue',
        '2026-05-01 00:00:00', 72, 80, 92),
       ('G4', 'D2', 'Ann Lee', 18, 'C2', 'ROYAL MONTREAL GOLF CLUB BLUE COURS', 'Blue',
        '2026-06-12 00:00:00', 72, 84, 96);
SQL
mkdir -p screenshots
on_virtual_desktop bash "$0" --on-display "$copy/Parlow"
