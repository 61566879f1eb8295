#!/bin/bash
# Band edits and a channel link online, in the real program against the
# simulated processor at 192.168.1.101 in a private two-host network
# (netns-run: nothing reaches the host's network), under Xvfb. The user:
#   - on In1's page types 25000 into band 2's frequency and 12 into its gain
#     (the panel's band boxes then read "20.16KHz" and "+12.0dB");
#   - does the same on Out5's page, then looks at the Gain page;
#   - selects band 1 again, opens Link, puts row In2 on column In1 and
#     presses Set, which has the processor copy In1 onto In2, stores the
#     masks and reads the whole state back.
# Checks that the processor got the edits and the link, that the re-read ran
# to its closing 0x12, and that after it In1's band 2, In2's band 2 (copied
# by the processor) and the link window's matrix show what they showed
# before: nothing the processor was sent was lost in the re-read.
# Screenshots (PNG, linkonline-*.png): 1-in1 and 2-out5 (the band at
# +12.0 dB and 20.16 kHz, the grid headings over their columns), 3-gain,
# 4-before-set, 5-link-window, 6-reread (In1 after the re-read), 7-in2,
# 8-link-again.
#
#   tools/linkonline.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${LINKONLINE_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/linkonline-$1.png"; }
  # The codes the processor got after the last line holding $1.
  after_last() { awk -v c="$1" '$0 == c {n = NR} {line[NR] = $0} END {for (i = n + 1; i <= NR; ++i) print line[i]}' "$sim_log"; }
  reread_done() { after_last 3B | sed -n '/^27$/,$p' | grep -qx 12; }
  type_into() {  # type_into X Y TEXT: a grid field of the main window
    click "$main" "$1" "$2"
    xdotool key ctrl+a
    xdotool type "$3"
    xdotool key Return
    sleep 0.5
  }

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  trap 'kill $editor 2>/dev/null; wait $editor 2>/dev/null || true' EXIT
  check "the editor reads the processor's blocks" wait_log 27 30
  closed() { sed -n '/^27$/,$p' "$sim_log" | grep -qx 12; }
  for _ in $(seq 1 100); do closed && break; sleep 0.1; done
  sleep 2
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  xdotool windowmove "$main" 0 0
  sleep 0.5

  # Window coordinates at 1126 x 725: the page tabs on the line y 43 (In1 at
  # rest; Out5 after one ">"); band 2's frequency and gain fields of the
  # input grid and of the output grid; band button 1; the menu's Link.
  click "$main" 456 43
  type_into 260 459 25000
  type_into 428 459 12
  check "the band edit reaches the processor" wait_log 33 5
  xdotool mousemove --window "$main" 1100 700
  sleep 0.3
  shot 1-in1
  click "$main" 789 43
  click "$main" 741 43
  type_into 267 443 25000
  type_into 469 443 12
  xdotool mousemove --window "$main" 1100 700
  sleep 0.3
  shot 2-out5
  click "$main" 17 43
  click "$main" 57 43
  sleep 0.5
  shot 3-gain

  click "$main" 456 43
  click "$main" 205 413  # band 1: band 2's row is no longer the highlighted one
  xdotool mousemove --window "$main" 1100 700
  sleep 0.3
  shot 4-before-set
  click "$main" 57 8
  link=$(wait_window "Link Selection")
  click "$link" 42 69  # row In2, column In1
  xdotool mousemove --window "$link" 600 300
  sleep 0.3
  shot 5-link-window
  eval "$(xdotool getwindowgeometry --shell "$link")"
  lx=$X ly=$Y
  click "$link" 361 287  # Set
  check "Set sends the copy and the link masks" bash -c "grep -qx 2A '$sim_log' && grep -qx 3B '$sim_log'"
  for _ in $(seq 1 200); do reread_done && break; sleep 0.1; done
  check "the processor's state is read again, to the closing 0x12" reread_done
  sleep 1.5
  click "$main" 456 43  # Set leaves the Gain page shown
  xdotool mousemove --window "$main" 1100 700
  sleep 0.3
  shot 6-reread
  # Band 2's row of the grid (screen = window coordinates).
  check "In1's band 2 is as edited after the re-read" same_box linkonline-4-before-set linkonline-6-reread 216 446 632 472
  click "$main" 509 43
  xdotool mousemove --window "$main" 1100 700
  sleep 0.3
  shot 7-in2
  check "In2 shows In1's band 2, copied by the processor" same_box linkonline-4-before-set linkonline-7-in2 216 446 632 472
  click "$main" 57 8
  link=$(wait_window "Link Selection")
  xdotool mousemove --window "$link" 600 300
  sleep 0.3
  shot 8-link-again
  # Row In2's cells under In1 and In2, left of their captions (where no
  # focus frame is drawn): lit under In1, dark under In2, as when Set was hit.
  in2_row() {
    same_box linkonline-5-link-window linkonline-8-link-again $((lx + 25)) $((ly + 62)) $((lx + 30)) $((ly + 76)) &&
      same_box linkonline-5-link-window linkonline-8-link-again $((lx + 71)) $((ly + 62)) $((lx + 77)) $((ly + 76))
  }
  check "the link window shows In2 on In1 after the re-read" in2_row
  xdotool key Escape
  sleep 0.3
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/linkonline-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
set +e
LINKONLINE_INSIDE=1 bash "$netns_run" \
  --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash "$0" "$build" "$out" "$work" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
status=${PIPESTATUS[0]}
ls "$out"/linkonline-*.png
exit $status
