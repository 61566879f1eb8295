#!/bin/bash
# Tries connecting as a new user would, with the real program under Xvfb in a
# private two-host network (netns-run; nothing reaches the host's network)
# whose simulated processor is held back at first:
#   - Escape pressed while the connect window scans leaves it open;
#   - the scan ends with "No Device found." and the window still open;
#   - Demo closes it; the OffLine button opens it again and scans;
#   - once the processor runs, the window's scan button finds it and the
#     editor goes online.
# Screenshots (PNG) in OUT_DIR: connectshots-1-escape-mid-scan.png,
# connectshots-2-no-device.png, connectshots-3-demo.png,
# connectshots-4-reopened.png, connectshots-5-processor-found.png.
#
#   tools/connectshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${CONNECTSHOTS_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/connectshots-$1.png"; echo "$out/connectshots-$1.png"; }
  demo_button="281 116"   # Demo, in the connect window
  scan_button="78 116"    # the scan button, in the connect window
  link_button="1087 44"   # OffLine/OnLine, in the main window

  # A scan's step lasts 2 s, less than a screenshot takes to start: such a
  # shot starts ahead (early_shot NAME) and grabs on cue (take).
  early_shot() {
    rm -f "$work/cue"
    mkfifo "$work/cue"
    "$build/tools/dspshot" "$out/connectshots-$1.png" - <"$work/cue" &
    early=$!
    early_name=$1
    exec 3>"$work/cue"
    sleep 3
  }
  take() { echo >&3; exec 3>&-; wait "$early"; echo "$out/connectshots-$early_name.png"; }

  early_shot 1-escape-mid-scan

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  trap 'kill $editor 2>/dev/null; wait $editor 2>/dev/null || true' EXIT

  # The start-up scan has one step: Ethernet to 192.168.1.101, 2 s.
  connect=$(wait_window Connect)
  xdotool windowfocus --sync "$connect" 2>/dev/null || true
  xdotool key Escape
  sleep 0.3
  check "Escape during the scan leaves the connect window open" test -n "$(window Connect || true)"
  take

  sleep 3
  check "after the scan the connect window is still open" test -n "$(window Connect || true)"
  xdotool key Escape
  sleep 0.3
  check "Escape after the scan leaves it open too" test -n "$(window Connect || true)"
  shot 2-no-device

  click "$connect" $demo_button
  check "Demo closes the connect window" test -z "$(window Connect || true)"
  main=$(window "VELMORA QRV-512 DSP Processor Editor V1.1" || xdotool search --onlyvisible --name VELMORA | head -1)
  xdotool mousemove 600 790
  sleep 0.3
  shot 3-demo

  early_shot 4-reopened
  click "$main" $link_button
  connect=$(wait_window Connect || true)
  check "the OffLine button opens the connect window again" test -n "$connect"
  take
  sleep 3
  check "its scan ends with the window open" test -n "$(window Connect || true)"

  rm -f "$work/hold"
  for _ in $(seq 1 50); do [ -s "$work/sim.pid" ] && break; sleep 0.1; done
  sleep 0.5
  [ -n "$connect" ] && click "$connect" $scan_button
  check "a new scan finds the processor once it runs" wait_log 40 30
  sleep 1
  check "the connect window has closed" test -z "$(window Connect || true)"
  xdotool mousemove 600 790
  sleep 0.5
  shot 5-processor-found
  touch "$work/stop"
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/hold"
# The simulated processor starts once "hold" is gone; sim.pid holds it.
device="while [ -f '$work/hold' ]; do sleep 0.1; done
  [ -f '$work/stop' ] && exit 0
  '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log' >/dev/null & echo \$! >'$work/sim.pid'; wait"
set +e
CONNECTSHOTS_INSIDE=1 bash "$netns_run" --device "$device" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work"
status=$?
[ -s "$work/sim.pid" ] && kill "$(cat "$work/sim.pid")" 2>/dev/null
exit $status
