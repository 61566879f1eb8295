#!/bin/bash
# Screenshots of the value boxes, the levelled progress bar and the automix
# level bars in the real program, online with the simulated processor inside
# a private two-host network (netns-run; nothing reaches the host's network),
# under Xvfb at 1200 x 800. The processor answers 200 ms late, so the reading
# at connection time lasts long enough to be seen:
#   meter-progress-N.png  the progress window while the parameters are read
#                         (blocks and percentage), a picture every 0.4 s
#   meter-comp.png        the Comp page's value boxes
#   meter-gate.png        the Gate page's value boxes
#   meter-automix-1.png   the automix window, inputs 1-4 on the effect bus and
#   meter-automix-2.png   automix on: the level bars 1.5 s apart, moving with
#                         the processor's meters (the Aux page's AutoMix "Set"
#                         opens the window; tools/refreshshots.sh takes the
#                         same pictures from a seeded processor)
#
#   tools/meteringshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/meter-*.png
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Window coordinates: the page tabs on the line y 43 (Gate, Comp, Aux); on the
# Aux page the bus inputs In1-In4 (x 75), AutoMix's Off/On (351, 452) and its
# Set (422, 452).
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --delay 200 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash -c "
    '$build/dspedit' & pid=\$!
    visible() {  # whether a window titled exactly \$1 is shown
      for w in \$(xdotool search --onlyvisible --name \"^\$1\\\$\" 2>/dev/null); do
        [ \"\$(xdotool getwindowname \$w 2>/dev/null)\" = \"\$1\" ] && return 0
      done
      return 1
    }
    for i in \$(seq 1 600); do visible Process && break; sleep 0.1; done
    n=0
    while visible Process && [ \$n -lt 40 ]; do
      n=\$((n + 1)); '$build/tools/dspshot' '$out/meter-progress-'\$n'.png'; sleep 0.4
    done
    sleep 3
    window=\$(xdotool search --name 'VELMORA' | head -1)
    click() { xdotool mousemove --window \$window \$1 \$2 click 1; sleep 0.8; }
    click 228 43; '$build/tools/dspshot' '$out/meter-comp.png'
    click 114 43; '$build/tools/dspshot' '$out/meter-gate.png'
    click 398 43
    for y in 394 424 454 484; do click 75 \$y; done
    click 351 452
    click 422 452
    for i in \$(seq 1 30); do visible 'AutoMix Setting' && break; sleep 0.1; done
    if visible 'AutoMix Setting'; then
      sleep 1.5; '$build/tools/dspshot' '$out/meter-automix-1.png'
      sleep 1.5; '$build/tools/dspshot' '$out/meter-automix-2.png'
    else
      echo 'no automix window opened' >&2
    fi
    kill \$pid; wait \$pid 2>/dev/null; exit 0" 2>&1 | grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)' || true
ls "$out"/meter-*.png
