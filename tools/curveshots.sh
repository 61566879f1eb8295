#!/bin/bash
# Screenshots of the transfer curves as a user sees them: the real program,
# online with the simulated processor inside a private two-host network
# (netns-run; nothing reaches the host's network), under Xvfb, at 1126 x 725.
# The user opens the Gate, AGC and Comp pages, then the Aux page and its
# compressor's Set button, which opens the compressor dialog:
#
#   curves-gate.png, curves-agc.png, curves-comp.png   the pages
#   curves-aux.png                                     the Aux page
#   curves-compdialog.png                              the "Compressor Setting" dialog
#
#   tools/curveshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${CURVESHOTS_INSIDE:-}" = 1 ]; then
  sim_log=$3
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/curves-$1.png"; }
  "$build/dspedit" & pid=$!
  check "the editor connects and reads the processor" wait_log 22 30
  sleep 4
  main=$(xdotool search --name 'VELMORA' | head -1)
  xdotool windowsize "$main" 1126 725
  sleep 1.5
  # Window coordinates: the page tabs on y 43 (Gate 114, AGC 170, Comp 228,
  # Aux 398); on the Aux page the compressor's Set button at (265, 596).
  for page in gate:114 agc:170 comp:228; do
    click "$main" "${page#*:}" 43
    xdotool mousemove --window "$main" 700 700
    sleep 0.5
    shot "${page%:*}"
  done
  click "$main" 398 43
  shot aux
  click "$main" 265 596
  dialog_shown() { wait_window "Compressor Setting" >/dev/null; }
  check "the compressor dialog opens" dialog_shown
  sleep 1
  shot compdialog
  kill "$pid"; wait "$pid" 2>/dev/null || true
  exit "$failures"
fi

command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/curves-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" env CURVESHOTS_INSIDE=1 bash "$0" "$build" "$out" "$work/log" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)' || true
ls "$out"/curves-*.png
