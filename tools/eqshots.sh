#!/bin/bash
# Screenshots of equaliser editing in the real program, online with the
# simulated processor inside a private two-host network (netns-run; nothing
# reaches the host's network), under Xvfb at 1126 x 725. On input A's page a
# user drags band 2's handle up and to the right, drags the low cut's "HPF"
# handle to the right (the screen is taken while the button is still held, so
# the cut's value box shows green digits), switches the plot to Phase and back
# to Mag, and clicks "EQ Bypass". The screen is taken after each step:
#   eq-1-page.png      the page: numbered band handles, "HPF"/"LPF", band 1's fill
#   eq-2-band2.png     band 2 raised: its fill and the sum curve's bump
#   eq-3-lowcut.png    the "HPF" handle dragged, green value box
#   eq-4-released.png  after the release: black value box, the cut's fill
#   eq-5-phase.png     the phase view (no dB label, the phase curve)
#   eq-6-mag.png       back to magnitude
#   eq-7-bypass.png    the "BYPASS" mark
#
#   tools/eqshots.sh [BUILD_DIR] [OUT_DIR]
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
# Window coordinates at 1126 x 725 with the simulated processor's factory
# image: the In1 tab; on the plot the 0 dB line (y 192), band 2's handle
# (203 Hz, x 446) and the "HPF" handle (19.7 Hz, x 135); the Mag and Phase
# choices and "EQ Bypass" under the plot; the low cut's Bypass button.
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash -c "
    '$build/dspedit' & pid=\$!
    for i in \$(seq 1 300); do grep -qx 22 '$log' && break; sleep 0.1; done
    sleep 4
    window=\$(xdotool search --name 'VELMORA' | head -1)
    shot() { sleep 0.8; '$build/tools/dspshot' '$out/eq-'\$1'.png'; }
    click() { xdotool mousemove --window \$window \$1 \$2 click 1; sleep 0.5; }
    drag() {  # drag X0 Y0 X1 Y1: press, move in ten steps, keep holding
      xdotool mousemove --window \$window \$1 \$2; sleep 0.2
      xdotool mousedown 1; sleep 0.2
      for s in \$(seq 1 10); do
        xdotool mousemove --window \$window \$((\$1 + (\$3 - \$1) * s / 10)) \$((\$2 + (\$4 - \$2) * s / 10))
        sleep 0.05
      done
    }
    click 456 43
    shot 1-page
    drag 446 192 560 122; xdotool mouseup 1
    shot 2-band2
    click 869 614  # the low cut's Bypass: the cut takes its slope
    drag 135 192 240 192
    shot 3-lowcut
    xdotool mouseup 1
    shot 4-released
    click 132 338
    shot 5-phase
    click 84 338
    shot 6-mag
    click 812 338
    shot 7-bypass
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
ls "$out"/eq-*.png
