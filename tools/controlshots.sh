#!/bin/bash
# Screenshots of the flat combo boxes, the bypass buttons and the labels in
# the real program, online with the simulated processor inside a private
# two-host network (netns-run; nothing reaches the host's network), at
# 1126 x 725: the In1 page with the input panel's slope and level boxes; the
# PEQ grid with band 2 bypassed (its button light red); and the PEQ grid with
# band 3's type list dropped down.
#
#   tools/controlshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
# Set CONTROLSHOTS_PROBE=1 to take only the In1 page (to find coordinates).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
probe=${CONTROLSHOTS_PROBE:-0}
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash -c "
    '$build/dspedit' & pid=\$!
    for i in \$(seq 1 300); do grep -qx 22 '$log' && break; sleep 0.1; done
    sleep 4
    window=\$(xdotool search --name 'VELMORA' | head -1)
    click() { xdotool mousemove --window \$window \$1 \$2 click 1; sleep 0.8; }
    xdotool windowsize \$window 1126 725
    sleep 1.5
    click 456 43
    '$build/tools/dspshot' '$out/controls-in1.png'
    if [ $probe = 0 ]; then
      click 595 458
      '$build/tools/dspshot' '$out/controls-peq-bypassed.png'
      click 516 503
      sleep 0.5
      '$build/tools/dspshot' '$out/controls-peq-type-list.png'
      xdotool key Escape
    fi
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
ls "$out"/controls-*.png
