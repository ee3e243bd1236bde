#!/usr/bin/env bash
# Screenshots under a virtual 1280x800 display into screenshots/ (not kept in
# git), to look at the screens as a user sees them.
#
#   bash scripts/screenshots.sh [which] [build-folder]   (default: all build)
#
#   golfers  the golfer entry, edit and removal screens with a sample golfer
#   courses  the three course screens filled, cascaded, tiled and maximised,
#            and the real program driven by keyboard alone on a copy of its
#            folder (a course typed in, saved, edited, chosen for removal)
#   games    the game entry and removal screens with a sample round, and the
#            real program correcting a recorded round by keyboard alone
#   review   the six review screens and the main window with a report open
#   trends   the trends screen, a chart window, and the charts saved as PNG and PDF
#   main     the main window with its Window menu open, and the About box
#   windows  the golfer screens in the running program, tiled, cascaded and
#            maximised, Alt+R on the removal screen, and the help window
#   all      every one of them
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

which=${1:-all}
build=${2:-build}
mkdir -p screenshots
out=$(realpath screenshots)

# A drawing program from tools/screenshots, run on the virtual desktop.
draw() {
  build_targets "$build" "$1"
  on_virtual_desktop "$build/bin/$1" "$out"
}

# The real program on a copy of its folder, driven by scripts/lib/<driver>;
# the optional SQL goes into the copy's database first.
drive() {
  local driver=$1 sql=${2:-}
  build_targets "$build" Parlow
  local copy
  copy=$(mktemp -d)
  cp -a "$build/Parlow/." "$copy/"
  if [ -n "$sql" ]; then
    sqlite3 "$copy/green/parlow.plg" <<<"$sql"
  fi
  on_virtual_desktop bash "scripts/lib/$driver" "$copy/Parlow" "$out"
  rm -rf "$copy"
}

# Golfers with long and accented names, for the arranged windows.
read -r -d '' LONG_NAMES <<'SQL' || true
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

# A golfer, a course and one recorded round, for the game edit screen.
read -r -d '' ONE_ROUND <<'SQL' || true
INSERT INTO tblGolfer (GolferID, FName, LName, FullName, Category, Handicap)
VALUES ('D2', 'Ann', 'Lee', 'Ann Lee', 'Adult Female', 12.5);
INSERT INTO tblClub (ClubID, ClubName, City, Tees, Par1,Par2,Par3,Par4,Par5,Par6,Par7,Par8,Par9,Par10,Par11,Par12,Par13,Par14,Par15,Par16,Par17,Par18, HCap1,HCap2,HCap3,HCap4,HCap5,HCap6,HCap7,HCap8,HCap9,HCap10,HCap11,HCap12,HCap13,HCap14,HCap15,HCap16,HCap17,HCap18, ParOut, ParIn, CoursePar,
                     TotalFWays, Par3s, Par4s, Par5s)
VALUES ('C2', 'Pine Hollow', 'Pinehurst', 'White', 4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5, 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18, 36, 36, 72, 14, 4, 10, 4);
INSERT INTO tblGames (GameID, GolferID, FullName, Category, Handicap, ClubID, Club, Tees,
                      PlayDate, Score1,Score2,Score3,Score4,Score5,Score6,Score7,Score8,Score9,Score10,Score11,Score12,Score13,Score14,Score15,Score16,Score17,Score18, ScoreOut, ScoreIn, GrossScore, NetScore,
                      Par1,Par2,Par3,Par4,Par5,Par6,Par7,Par8,Par9,Par10,Par11,Par12,Par13,Par14,Par15,Par16,Par17,Par18, ParOut, ParIn, CoursePar, Holes, TotalGross, TotalNet,
                      TotalGross18, TotalNet18, TotalPutts, TotalPutts18, AddDate)
VALUES ('G1', 'D2', 'Ann Lee', 'Adult Female', 12, 'C2', 'Pine Hollow', 'White',
        '2026-12-05 00:00:00', 5,4,3,6,4,5,3,4,6,4,5,4,5,4,5,3,4,6, 40, 40, 80, 80, 4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5, 36, 36, 72, 18, 80, 80, 80, 80,
        32, 32, '2026-12-05 18:00:00');
UPDATE tblGolfer SET Games = 1, Games18 = 1, Holes = 18, Holes18 = 18, TotalGross = 80,
  TotalNet = 80, TotalGross18 = 80, TotalNet18 = 80, GrossStrokes18 = 80, NetStrokes18 = 80,
  TotalPutts = 32, TotalPutts18 = 32 WHERE GolferID = 'D2';
SQL

shoot() {
  case $1 in
    golfers) draw golfer_screenshots ;;
    courses) draw course_screenshots && drive drive_courses.sh ;;
    games) draw game_screenshots && drive drive_games.sh "$ONE_ROUND" ;;
    review) draw review_screenshots ;;
    trends) draw trend_screenshots ;;
    main) drive drive_main.sh ;;
    windows) drive drive_windows.sh "$LONG_NAMES" ;;
    *)
      echo "unknown screenshots: $1 (golfers courses games review trends main windows all)" >&2
      exit 2
      ;;
  esac
}

if [ "$which" = all ]; then
  for one in golfers courses games review trends main windows; do shoot "$one"; done
else
  shoot "$which"
fi
echo "Saved screenshots/ ($which)"
