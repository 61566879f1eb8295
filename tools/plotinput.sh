#!/bin/bash
# Tries the transfer-curve plots as a user would: on the Gate, AGC and Comp
# pages of the real program (online with the simulated processor inside a
# private two-host network, netns-run; nothing reaches the host's network),
# under Xvfb, clicks, double clicks, right clicks and wheel turns on the curve,
# the empty grid and both scales of the plot. Checks that the program still
# runs, that no menu or other window opened, and that the plot looks as
# before; writes the screenshots before and after (plotinput-PAGE-before.png,
# plotinput-PAGE-after.png).
#
#   tools/plotinput.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${PLOTINPUT_INSIDE:-}" = 1 ]; then
  log=$3
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/plotinput-$1.png"; }
  windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort | tr '\n' ' '; }
  "$build/dspedit" & pid=$!
  for _ in $(seq 1 300); do grep -qx 22 "$log" && break; sleep 0.1; done
  sleep 4
  window=$(xdotool search --name 'VELMORA' | head -1)
  xdotool windowsize "$window" 1126 725
  sleep 1.5
  # The menu check sees menus: the File menu opens one.
  before=$(windows)
  xdotool mousemove --window "$window" 18 8 click 1
  menu_shown() { [ "$(windows)" != "$before" ]; }
  check "a menu shows as a window" wait_until 10 menu_shown
  xdotool key Escape
  sleep 0.5
  # Window coordinates: the page tabs on y 43; the plot from (25, 92) to
  # (611, 321), its grid from (77, 104) to (593, 282).
  for page in gate:113 agc:170 comp:228; do
    name=${page%:*}
    xdotool mousemove --window "$window" "${page#*:}" 43 click 1
    sleep 1
    xdotool mousemove --window "$window" 700 700
    sleep 0.5
    shot "$name-before"
    before=$(windows)
    # The curve, the empty grid, the Y scale and the X scale.
    for point in "335 192" "162 140" "45 216" "324 306"; do
      set -- $point
      xdotool mousemove --window "$window" "$1" "$2"
      sleep 0.3
      xdotool click 1; sleep 0.3
      xdotool click --repeat 2 --delay 80 1; sleep 0.3
      xdotool click 3; sleep 0.5
      check "$name ($1, $2): no menu opened" test "$(windows)" = "$before"
      xdotool key Escape
      xdotool click 4; xdotool click 4; xdotool click 5; sleep 0.3
      xdotool mousedown 1; xdotool mousemove --window "$window" $(($1 + 30)) $(($2 + 20)); xdotool mouseup 1
      sleep 0.3
    done
    xdotool mousemove --window "$window" 700 700
    sleep 1
    shot "$name-after"
    check "$name: the program runs" kill -0 "$pid"
    check "$name: no other window" test "$(windows)" = "$before"
    check "$name: the plot looks as before" same_box "plotinput-$name-before" "plotinput-$name-after" 25 92 611 321
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true
  exit "$failures"
fi

command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" env PLOTINPUT_INSIDE=1 bash "$0" "$build" "$out" "$work/log"
ls "$out"/plotinput-*.png
