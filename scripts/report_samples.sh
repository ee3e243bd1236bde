#!/usr/bin/env bash
# Renders every report layout for sample records to PDF, then each page to
# PNG, into report-samples/ (not kept in git), to look at the printed forms.
#
#   bash scripts/report_samples.sh [build-folder]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -d "$build" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target report_sample_sheets
out=report-samples
rm -rf "$out"
mkdir -p "$out"
"$build/bin/report_sample_sheets" "$out"
for pdf in "$out"/*.pdf; do
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
echo "Saved $(ls "$out"/*.png | wc -l) pages in $out/"
