#!/usr/bin/env bash
# Renders every report layout for sample records to PDF, then each page to
# PNG, into report-samples/ (not kept in git), to look at the printed forms.
# Pictures of the preview window (under Xvfb with openbox) land there too.
#
#   bash scripts/report_samples.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/desktop.sh

build=${1:-build}
build_targets "$build" report_sample_sheets
out=report-samples
rm -rf "$out"
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
  'openbox >/dev/null 2>&1 & QT_QPA_PLATFORM=xcb "$0" "$1" --preview' \
  "$build/bin/report_sample_sheets" "$out"
for pdf in "$out"/rpt*.pdf; do
  # The long history only needs its first, a middle and its last page.
  if [[ $pdf == *-1000-games.pdf ]]; then
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    for p in 1 2 "$pages"; do
      pdftoppm -png -r 80 -f "$p" -l "$p" "$pdf" "${pdf%.pdf}-p$p"
    done
  else
    pdftoppm -png -r 80 "$pdf" "${pdf%.pdf}"
  fi
done
echo "Saved $(ls "$out"/rpt*.png | wc -l) pages and $(ls "$out"/preview-*.png | wc -l) preview pictures in $out/"
