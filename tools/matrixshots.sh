#!/bin/bash
# Screenshots of the real program's Matrix and Aux pages, online with the
# simulated processor inside a private two-host network (netns-run; nothing
# reaches the host's network). At 1126 x 725 a user opens the Matrix page,
# routes In2 and Aux to Out1 and lowers In2's level to Out1 three steps; then
# opens the Aux page and puts In2 on the effect bus (which takes In2's direct
# crosspoint to Out1 away again), and returns to the Matrix page. The window
# is then enlarged to 1280 x 1024 so the routing lines move with the rows.
#
#   tools/matrixshots.sh [BUILD_DIR] [OUT_DIR]
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
# Window coordinates at 1126 x 725: the page bar's Matrix and Aux tabs (the
# bar at rest), and in the Matrix page's lower half the first column (Out1):
# the In2 and Aux buttons and In2's down arrow; on the Aux page the In2 switch.
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash -c "
    '$build/dspedit' & pid=\$!
    for i in \$(seq 1 300); do grep -qx 22 '$log' && break; sleep 0.1; done
    sleep 4
    window=\$(xdotool search --name 'VELMORA' | head -1)
    click() { xdotool mousemove --window \$window \$1 \$2 click 1; sleep 0.8; }
    xdotool windowsize \$window 1126 725
    sleep 1.5
    click ${MATRIX_TAB:-341} 43
    '$build/tools/dspshot' '$out/matrix-1126x725-start.png'
    click ${IN2_OUT1:-52 424} ; click ${AUX_OUT1:-52 620}
    for k in 1 2 3; do click ${IN2_OUT1_DOWN:-145 429}; done
    '$build/tools/dspshot' '$out/matrix-1126x725-routed.png'
    click ${AUX_TAB:-397} 43
    click ${IN2_BUS:-75 424}
    '$build/tools/dspshot' '$out/matrix-1126x725-aux.png'
    click ${MATRIX_TAB:-341} 43
    '$build/tools/dspshot' '$out/matrix-1126x725-bus.png'
    xdotool windowsize \$window 1280 1024
    sleep 1.5
    '$build/tools/dspshot' '$out/matrix-1280x1024-bus.png'
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
ls "$out"/matrix-*.png
