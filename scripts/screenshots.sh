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
#   games    the game entry and removal screens with a sample round
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

shoot() {
  case $1 in
    golfers) draw golfer_screenshots ;;
    courses) draw course_screenshots && drive drive_courses.sh ;;
    games) draw game_screenshots ;;
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
