#!/bin/bash
# Tries delays, links and the channel copy as a new user would, with the real
# program in demo mode (no processor) under Xvfb inside a private network
# (netns-run; nothing reaches the host's network). The user:
#   - closes the connect window with Demo and opens the Delay page;
#   - drags input A's delay handle to the right along its line;
#   - picks the unit "ft" and types 25ft + Enter into input B's delay box;
#   - opens Link, puts row In2 on column In1 and presses Set;
#   - switches input A to Mic on the Gain page (B follows, being linked);
#   - opens Copy, copies In1 onto In3 and closes the window.
# Screenshots (PNG): linkshots-delay-drag.png (dash row and time label of
# In1), linkshots-delay-feet.png (every delay in feet, In2 typed),
# linkshots-link-window.png (the matrix with In2 on In1, before Set),
# linkshots-linked.png (Gain page after Set: "2=1"), linkshots-copy-window.png
# and linkshots-copied.png (Gain page after the copy: In3 as In1).
#
#   tools/linkshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${LINKSHOTS_INSIDE:-}" = 1 ]; then
  shot() { "$build/tools/dspshot" "$out/linkshots-$1.png"; echo "$out/linkshots-$1.png"; }
  source "$root/tools/xsession.sh"

  editor=; trap '[ -n "$editor" ] && kill $editor 2>/dev/null; wait $editor 2>/dev/null || true' EXIT
  start_demo "$build/dspedit"

  # Window coordinates at the design size 1126 x 725: the page tabs' centre
  # line is y 43; input A's delay handle sits at x 88, y 106 while at 0.
  click "$main" 285 43                     # Delay
  xdotool mousemove --window "$main" 88 106 sleep 0.3 mousedown 1
  for x in 120 180 240 300 350; do xdotool mousemove --window "$main" "$x" 106; sleep 0.1; done
  xdotool mouseup 1
  xdotool mousemove --window "$main" 600 700
  sleep 0.5
  shot delay-drag

  click "$main" 153 493                    # unit ft
  click "$main" 364 612                    # input B's delay box
  xdotool key --window "$main" ctrl+a
  xdotool type --window "$main" 25ft
  xdotool key --window "$main" Return
  sleep 0.5
  xdotool mousemove --window "$main" 600 700
  shot delay-feet

  click "$main" 57 8                       # menu Link
  link=$(wait_window "Link Selection")
  click "$link" 42 69                      # row In2, column In1
  xdotool mousemove --window "$link" 600 300
  sleep 0.3
  shot link-window
  click "$link" 361 287                    # Set
  sleep 0.5
  shot linked

  click "$main" 194 479                    # input A's Line/Mic on the Gain page
  click "$main" 99 8                       # menu Copy
  copy=$(wait_window "Channel Copy")
  click "$copy" 185 32                     # destination list: In2 -> In3
  xdotool key Down Return
  sleep 0.5
  shot copy-window
  click "$copy" 295 32                     # Copy
  click "$copy" 180 129                    # Exit
  sleep 0.5
  shot copied
  exit 0
fi

command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
bash "$netns_run" -- env LINKSHOTS_INSIDE=1 \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash "$root/tools/linkshots.sh" "$build" "$out"
