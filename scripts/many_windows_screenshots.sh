#!/usr/bin/env bash
# Screenshots of a dozen child windows under a virtual X display with a
# window manager: cascaded, listed in the Window menu, tiled both ways, the
# front one closed with Ctrl+F4, and a game history opened from its review
# screen among them and alone. (scripts/window_screenshots.sh shows a
# maximised screen.) The program
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
  # The n-th menu's m-th item, reached from the Add menu with the arrows: a
  # screen's own access keys (Alt+R presses "&Remove" or "&Report") win
  # over the menu bar's. Down moves over the separators.
  open() {
    press alt+a
    for ((i = 1; i < $1; i++)); do press Right; done
    for ((i = 1; i < $2; i++)); do press Down; done
    press Return
  }

  open 1 1; open 1 2; open 1 3; open 1 4      # Add: Game, Golfer, Course, Score Sheets
  open 2 1; open 2 2                          # Edit: Course, Golfers
  open 3 1; open 3 2; open 3 3                # Delete: Game, Golfer, Course
  open 4 1; open 4 2; open 4 4                # Reports: Courses, Games, Golfer Stats
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
  open 4 3                                    # Reports > Game History
  press Home Return alt+r                     # the first golfer, then Report
  sleep 1
  shot history-report-opened
  for ((i = 0; i < 12; i++)); do press ctrl+F4; done   # every window closed
  open 4 3
  press Home Return alt+r
  sleep 1
  shot history-report-alone
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
