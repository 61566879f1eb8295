#!/bin/bash
# Screenshots of the real program, online with the simulated processor inside
# a private two-host network (netns-run; nothing reaches the host's network):
# at 1126 x 725 and at 1280 x 1024 a user clicks the page buttons In1, Out5
# (after scrolling the bar with ">"), Gain (back with "<") and Matrix, and the
# screen is taken after each click.
#
#   tools/pageshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Window coordinates of the page bar: the tabs' centre line is 24 below the
# menu bar; In1, Matrix and Gain with the bar at rest, Out5 after one ">".
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash -c "
    '$build/dspedit' & pid=\$!
    for i in \$(seq 1 300); do grep -qx 22 '$log' && break; sleep 0.1; done
    sleep 4
    window=\$(xdotool search --name 'VELMORA' | head -1)
    click() { xdotool mousemove --window \$window \$1 \$2 click 1; sleep 0.8; }
    for size in 1126x725 1280x1024; do
      xdotool windowsize \$window \${size%x*} \${size#*x}
      sleep 1.5
      y=43
      click 456 \$y;  '$build/tools/dspshot' '$out/pages-'\$size'-in1.png'
      click 789 \$y;  click 741 \$y; '$build/tools/dspshot' '$out/pages-'\$size'-out5.png'
      click 17 \$y;   click 57 \$y;  '$build/tools/dspshot' '$out/pages-'\$size'-gain.png'
      click 341 \$y;  '$build/tools/dspshot' '$out/pages-'\$size'-matrix.png'
    done
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
ls "$out"/pages-*.png
