#!/bin/bash
# Tries the plot's toolbar and data cursor as a user would, under Xvfb: a
# window with the gate's transfer curve and the toolbar shown
# (dspplotcursor); a click on the toolbar's cursor button shows the cursor's
# two pointer lines and its hint; a drag moves pointer 1 from the middle of
# the grid to three quarters. Screenshots: cursor-before.png, cursor-shown.png,
# cursor-dragged.png. No network is used.
#
#   tools/cursorshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds tools/dspplotcursor and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
mkdir -p "$out"
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null

if [ "${CURSORSHOTS_INSIDE:-}" = 1 ]; then
  source "$root/tools/xsession.sh"
  places=$(mktemp)
  "$build/tools/dspplotcursor" > "$places" & pid=$!
  wait_window "Plot cursor try" >/dev/null
  main=$(window "Plot cursor try")
  xdotool windowmove "$main" 20 20
  sleep 1.5
  read -r _ bx by < <(grep '^button' "$places")
  read -r _ x50 x75 y20 < <(grep '^pointer' "$places")
  shot() { "$build/tools/dspshot" "$out/cursor-$1.png"; }
  shot before
  click "$main" "$bx" "$by"
  shot shown
  xdotool mousemove --window "$main" $((x50 + 2)) "$y20" mousedown 1
  sleep 0.3
  for x in $(seq $((x50 + 6)) 6 $((x75 + 2))); do xdotool mousemove --window "$main" "$x" "$y20"; sleep 0.05; done
  xdotool mousemove --window "$main" $((x75 + 2)) "$y20" mouseup 1
  sleep 0.8
  shot dragged
  check "the cursor button changed the plot" not same_box cursor-before cursor-shown 20 20 540 340
  check "the drag moved the pointer" not same_box cursor-shown cursor-dragged 20 20 540 340
  check "the window still runs" kill -0 "$pid"
  kill "$pid" 2>/dev/null || true
  rm -f "$places"
  exit $failures
fi

CURSORSHOTS_INSIDE=1 xvfb-run -a -s "-screen 0 800x500x24" bash "$0" "$build" "$out"
ls "$out"/cursor-*.png
