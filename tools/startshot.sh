#!/bin/bash
# Starts the real program as a user would, against the simulated processor in a
# private two-host network (netns-run: nothing reaches the host's network),
# under Xvfb: the editor starts, connects and reads the processor, and its
# meters run. Writes startshot-gain.png, the Gain page online.
#
#   tools/startshot.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${STARTSHOT_INSIDE:-}" = 1 ]; then
  work=$3
  wait_log() {  # wait_log CODE SECONDS
    for _ in $(seq 1 $(($2 * 10))); do grep -qx "$1" "$work/log" 2>/dev/null && return 0; sleep 0.1; done
    return 1
  }
  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  status=0
  if wait_log 40 30; then echo "ok: the editor connects and reads the processor"
  else echo "FAILED: the editor connects and reads the processor"; status=1; fi
  sleep 3  # a few meter rounds
  "$build/tools/dspshot" "$out/startshot-gain.png"
  kill "$editor"; wait "$editor" 2>/dev/null || true
  touch "$work/stop"
  kill "$(cat "$work/sim.pid")" 2>/dev/null || true
  exit $status
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
device="while [ ! -f '$work/stop' ]; do
  '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log' >/dev/null &
  echo \$! >'$work/sim.pid'; wait; done"
set +e
STARTSHOT_INSIDE=1 bash "$netns_run" --device "$device" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work"
status=$?
[ -f "$work/sim.pid" ] && kill "$(cat "$work/sim.pid")" 2>/dev/null
ls "$out"/startshot-*.png
exit $status
