#!/bin/bash
# The transfer-curve plots as a new user sees them, with the real program in
# demo mode (no processor) under Xvfb inside a private network (netns-run;
# nothing reaches the host's network). The user closes the connect window
# with Demo, opens the Gate page, then the Effect page and its compressor's
# "Set" dialog. Screenshots (PNG):
#   transfershots-gate.png   the Gate page: yellow labels -100 .. 20 on both
#                            axes beside green grid lines, no tick marks
#   transfershots-comp.png   the compressor dialog's plot, its X axis labelled
#                            every 20 dB
#
#   tools/transfershots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${TRANSFERSHOTS_INSIDE:-}" = 1 ]; then
  shot() { "$build/tools/dspshot" "$out/transfershots-$1.png"; echo "$out/transfershots-$1.png"; }
  source "$root/tools/xsession.sh"

  editor=; trap '[ -n "$editor" ] && kill $editor 2>/dev/null; wait $editor 2>/dev/null || true' EXIT
  start_demo "$build/dspedit"

  # Window coordinates at the design size 1126 x 725: the page tabs' centre
  # line is y 43 (Gate x 114, Aux x 398); the Aux page's compressor "Set"
  # button is at x 265, y 596.
  click "$main" 114 43                      # Gate
  xdotool mousemove --window "$main" 1100 700
  sleep 0.5
  shot gate

  click "$main" 398 43                      # Aux
  sleep 0.5
  click "$main" 265 596             # the compressor's Set
  comp=$(wait_window "Compressor Setting") || true
  [ -n "$comp" ] && xdotool windowmove "$comp" 0 0
  sleep 0.8
  shot comp
  exit 0
fi

command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
bash "$netns_run" -- env TRANSFERSHOTS_INSIDE=1 \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash "$root/tools/transfershots.sh" "$build" "$out"
