#!/bin/bash
# A store broken by the link, as a user meets it: the real program against the
# simulated processor at 192.168.1.101 in a private two-host network
# (netns-run: nothing reaches the host's network), under Xvfb. The processor
# answers 300 ms late. The user stores U05 "Kitchen"; the processor goes down
# once it has taken the name (0x26), before answering, and comes up again as
# a fresh processor. After its retries the editor shows "Link Broken", and
# the user presses the scan button. From the reconnect on the processor must
# receive only the connect-time read and meter polls: neither the store's
# number (0x21) nor anything else of the broken store. Screenshots:
# linkdrop-1-broken.png (the connect window after the break),
# linkdrop-2-reconnected.png (the main window after the reconnect).
#
#   tools/linkdropshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${LINKDROP_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/linkdrop-$1.png"; echo "$out/linkdrop-$1.png"; }
  row() { echo $((36 + 24 + 20 * $1 + 10)); }  # centre of a list row
  # Only codes of the connect-time read (10 13 22 14 29 6C 27 12) and polls (40).
  only_read_and_polls() { ! grep -qvx '10\|13\|22\|14\|29\|6C\|27\|12\|40' "$sim_log"; }

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor connects and reads the processor" wait_log 40 60
  sleep 1
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)

  click "$main" 751 665   # Store
  store=$(wait_window "Store Preset" || true)
  check "Store opens the store list" test -n "$store"
  click "$store" 120 "$(row 4)"  # U05
  wait_window "Name" >/dev/null
  xdotool key ctrl+a; xdotool type --delay 30 "Kitchen"; sleep 0.3
  xdotool key Return
  check "the processor takes the name" wait_log 26 10
  kill "$(cat "$work/sim.pid")"   # down before its answer; the loop starts a fresh one
  echo "processor down after the name at $(date +%T)"

  connect=
  for _ in $(seq 1 90); do connect=$(window Connect || true); [ -n "$connect" ] && break; sleep 1; done
  check "the editor reports the broken link" test -n "$connect"
  echo "connect window at $(date +%T)"
  sleep 1
  shot 1-broken
  : >"$sim_log"
  [ -n "$connect" ] && click "$connect" 78 116   # scan
  check "the scan reconnects and reads the processor" wait_log 40 90
  sleep 3   # a stale step would follow the read's closing 0x12 at once
  shot 2-reconnected
  check "after the reconnect: the connect-time read and polls only" only_read_and_polls
  check "no store number reaches the processor" not grep -qx 21 "$sim_log"
  echo "received after the reconnect: $(sort "$sim_log" | uniq -c | tr -s ' \n' ' ')"

  kill "$editor"; wait "$editor" 2>/dev/null || true
  touch "$work/stop"
  kill "$(cat "$work/sim.pid")" 2>/dev/null || true
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/linkdrop-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The processor is started again whenever it ends, until "stop" appears.
device="while [ ! -f '$work/stop' ]; do
  '$build/tools/dspsim' --net 0.0.0.0 --delay 300 --log '$work/log' >/dev/null & echo \$! >'$work/sim.pid'; wait; done"
set +e
LINKDROP_INSIDE=1 bash "$netns_run" --device "$device" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
status=${PIPESTATUS[0]}
[ -f "$work/sim.pid" ] && kill "$(cat "$work/sim.pid")" 2>/dev/null
ls "$out"/linkdrop-*.png
exit $status
