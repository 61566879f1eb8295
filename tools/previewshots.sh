#!/bin/bash
# Tries the plot's print preview as a user would, under Xvfb: a window with a
# transfer-curve plot (dspplotpreview) opens the preview with its "Preview"
# button (screenshot preview-sheet.png: a white sheet with its shadow, the
# plot inside the margins), prints from the preview's print button into a
# PDF, and closes the preview. Checks that the PDF has one page and renders
# it (preview-print.png, with pdftoppm). No network is used.
#
#   tools/previewshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds tools/dspplotpreview and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
mkdir -p "$out"
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
command -v pdftoppm >/dev/null || apt-get install -y -qq poppler-utils >/dev/null

if [ "${PREVIEWSHOTS_INSIDE:-}" = 1 ]; then
  source "$root/tools/xsession.sh"
  pdf=$out/preview-print.pdf
  rm -f "$pdf"
  "$build/tools/dspplotpreview" "$pdf" & pid=$!
  wait_window "Plot preview try" >/dev/null
  main=$(window "Plot preview try")
  xdotool windowmove "$main" 20 20
  sleep 1
  # The "Preview" button along the bottom of the 540 x 330 window.
  click "$main" 270 315
  wait_window "Gate curve (Preview)" >/dev/null
  preview=$(window "Gate curve (Preview)")
  xdotool windowmove "$preview" 40 40
  sleep 1.5
  "$build/tools/dspshot" "$out/preview-sheet.png"
  # The print button: 28 x 28 at (8, 6) of the preview window.
  click "$preview" 22 20
  one_page() { [ "$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')" = 1 ]; }
  check "the print is a one-page PDF" wait_until 30 one_page
  click "$preview" 164 20  # "Close"
  check "the preview closed" wait_gone "Gate curve (Preview)"
  pdftoppm -png -r 60 -singlefile "$pdf" "$out/preview-print" || failures=$((failures + 1))
  kill "$pid" 2>/dev/null || true
  exit $failures
fi

PREVIEWSHOTS_INSIDE=1 xvfb-run -a -s "-screen 0 1000x700x24" bash "$0" "$build" "$out"
