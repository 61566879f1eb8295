#!/bin/bash
# Tries the real program as a user would, against the simulated processor in a
# private two-host network (netns-run: nothing reaches the host's network),
# under Xvfb, and checks what the window system shows:
#   - the titles of the main window, About and the connect window carry no
#     suffix;
#   - no tooltip appears over a plot after a 2-second hover;
#   - with the processor stopped, Scan empties the address list; once it runs
#     again, Scan lists it again and the link button connects to it.
# Writes PNG screenshots (tryout-*.png) of the Gain page, the connect window,
# the address list before and after the rescan, and the traffic monitor (from
# dspedit-monitor, since its menu item is hidden).
#
#   tools/tryout.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim, tools/dspshot, tools/dspedit-monitor.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${TRYOUT_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/tryout-$1.png"; }
  tooltips() {
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && echo "$w"
    done
    return 0
  }

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor connects and reads the processor" wait_log 40 30
  main=$(wait_window "VELMORA QRV-512 DSP Processor Editor V1.1" || true)
  check "main window title is exactly the caption" test -n "$main"
  [ -n "$main" ] || main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)

  # Tooltips show only in the active window; without a window manager
  # focusing it makes it active. Each hover starts from outside the window.
  hover() {
    xdotool mousemove 600 790
    sleep 0.5
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool mousemove --window "$main" $(($1 - 1)) $(($2 - 1))
    xdotool mousemove --window "$main" "$1" "$2"
    sleep 2.2
  }
  hover 300 200
  check "no tooltip over the Gain input plot after 2 s" test -z "$(tooltips)"
  hover 700 150
  check "no tooltip over the Gain output plot after 2 s" test -z "$(tooltips)"
  xdotool mousemove 600 790
  shot gain

  click "$main" 817 8   # About
  about=$(wait_window "About" || true)
  check "About title is exactly 'About'" test -n "$about"
  if [ -n "$about" ]; then xdotool key --window "$about" Return; fi
  check "About closes with Return" wait_gone About

  # Stop the processor and keep it stopped: the link breaks and the connect
  # window opens.
  touch "$work/hold"
  kill "$(cat "$work/sim.pid")"
  connect=$(wait_window "Connect" || true)
  check "connect window title is exactly 'Connect'" test -n "$connect"
  sleep 1
  shot connect
  if [ -n "$connect" ]; then click "$connect" 281 116; fi  # Demo: work offline
  check "connect window closes with Demo" wait_gone Connect

  click "$main" 290 665  # Scan, with no processor to answer
  sleep 1
  shot scan-no-processor
  rm -f "$work/hold"
  for _ in $(seq 1 50); do [ -s "$work/sim.pid.2" ] && break; sleep 0.1; done
  sleep 0.5
  click "$main" 290 665  # Scan again: the processor answers
  sleep 1
  shot rescan
  list="112 658 240 674"  # the address list in the preset bar
  check "Scan without a processor empties the address list" \
    not same_box tryout-connect tryout-scan-no-processor $list
  check "Scan lists the restarted processor again" same_box tryout-connect tryout-rescan $list
  : >"$work/log"
  click "$main" 1087 44  # the link button: connect
  check "after the rescan the editor connects to the processor again" wait_log 40 30
  sleep 1
  shot reconnected

  kill "$editor"; wait "$editor" 2>/dev/null || true

  # The traffic monitor of a connected editor.
  : >"$work/log"
  "$build/tools/dspedit-monitor" 2>>"$work/editor.err" &
  editor=$!
  check "the monitor run connects" wait_log 40 30
  check "traffic monitor title is exactly 'Hid Data'" wait_window "Hid Data"
  shot monitor
  kill "$editor"; wait "$editor" 2>/dev/null || true
  touch "$work/stop"
  kill "$(cat "$work/sim.pid")" 2>/dev/null || true
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
command -v xprop >/dev/null || apt-get install -y -qq x11-utils >/dev/null
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The simulated processor, started again whenever it ends (while "hold" is
# absent) until "stop" appears; sim.pid holds the running one, sim.pid.2 is
# written by the second start.
device="n=0; while [ ! -f '$work/stop' ]; do
  while [ -f '$work/hold' ]; do sleep 0.1; done
  '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log' >/dev/null & n=\$((n + 1))
  echo \$! >'$work/sim.pid'; [ \$n -gt 1 ] && echo \$! >'$work/sim.pid.\$n'
  wait; done"
set +e
TRYOUT_INSIDE=1 bash "$netns_run" --device "$device" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work"
status=$?
[ -f "$work/sim.pid" ] && kill "$(cat "$work/sim.pid")" 2>/dev/null
ls "$out"/tryout-*.png
exit $status
