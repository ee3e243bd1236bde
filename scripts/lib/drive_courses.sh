#!/usr/bin/env bash
# Run on the virtual desktop by scripts/screenshots.sh: a course typed into
# Add Course by keyboard alone and saved, then Edit and Delete Course.
#   bash scripts/lib/drive_courses.sh <program> <screenshot-folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/desktop.sh
program=$1
out=$2
start_program_on_display "$program"

press() { xdotool key --delay 100 "$@"; sleep 0.5; }
field() { xdotool type --delay 30 "$1"; sleep 0.2; press Return; }

press alt+a Down Down Return # Add > Course
for text in "Oakmont Country Club" "1233 Hulton Rd" "Oakmont" "PA" "15139" \
  "412-828-8000" "412-828-8001" "Bill Brown" "Ann Lee" "Joe Smith" \
  4 4 4 5 4 3 4 3 5 36 3 5 9 1 13 17 11 15 7 \
  4 4 5 3 4 4 3 4 5 36 6 10 16 4 12 18 8 2 14 \
  4 10 4 "" 7255 147 77.6 72; do
  field "$text"
done
press Right space # the Black tees, the focus lit on them
import -window root "$out/course-keyboard-entry.png"
press Return Return # to Save, and save
import -window root "$out/course-keyboard-saved.png"
press n
press alt+e Return Down # Edit > Course, the first course
import -window root "$out/course-keyboard-edit.png"
press alt+d Down Down Return Down Return # Delete > Course, the first row
import -window root "$out/course-keyboard-removal.png"
