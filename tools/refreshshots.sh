#!/bin/bash
# The connect-time reading of a processor whose state differs from the
# factory preset everywhere the refresh reaches, in the real program against
# the simulated processor at 192.168.1.101 in a private two-host network
# (netns-run: nothing reaches the host's network), under Xvfb at 1200 x 800.
# dspseed writes the stream (gate, AGC, compressor, effect channel, automix,
# sub controls, test signal, echo cancellation: tools/seedstream/SeedImage.h
# lists the values and the texts they give) and the group controls that
# --groups sets. Checks that between the reading's closing
# 0x12 and the first click only meter polls (0x40) reach the processor, and
# writes PNG screenshots (refresh-*.png) of what the controls then show: the
# Gate, AGC, Comp and Aux pages and the test-signal, automix (twice, 1.5 s
# apart: its level bars move with the processor's meters), sub-control,
# group-control and echo-cancellation windows.
#
#   tools/refreshshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim, tools/dspseed and tools/dspshot
# (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${REFRESH_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/refresh-$1.png"; }
  close_window() { xdotool key Escape; sleep 0.8; }  # the modal window shown
  # Window coordinates: the page tabs on the line y 43; on the Aux page the
  # AutoMix and echo-cancellation "Set" buttons; the menu bar's Test Tone,
  # Sub Control and Group Control.
  tab() { click "$main" "$1" 43; }
  shown() { wait_window "$1" >/dev/null; }
  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor reads the processor's blocks" wait_log 27 30
  # The reading's blocks end with 0x12; the lines after it, and that they
  # are all meter polls.
  after_close() { awk 'done {print; next} /^27$/ {s = 1} s && /^12$/ {done = 1}' "$1"; }
  closed() { sed -n '/^27$/,$p' "$sim_log" | grep -qx 12; }
  for _ in $(seq 1 100); do closed && break; sleep 0.1; done
  check "the reading closes with 0x12" closed
  five_after() { [ "$(after_close "$sim_log" | grep -c .)" -ge 5 ]; }
  wait_until 30 five_after
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  after_close "$sim_log" >"$work/after"
  check "then only meter polls, at least five" \
    bash -c "[ \$(grep -c . '$work/after') -ge 5 ] && ! grep -qvx 40 '$work/after'"
  shot 0-gain
  tab 114; shot 1-gate
  tab 171; shot 2-agc
  tab 228; shot 3-comp
  tab 398; shot 4-aux
  click "$main" "${TEST_TONE:-393}" 10
  check "Test Tone opens its window" shown "Input Signal Select"
  sleep 0.5; shot 5-test; close_window
  click "$main" 422 452
  check "AutoMix Set opens the automix window" shown "AutoMix Setting"
  sleep 1.5; shot 6-automix-1
  sleep 1.5; shot 6-automix-2
  close_window
  click "$main" 422 572
  check "Echo cancellation Set opens its window" shown "Echo Cancellation Setting"
  sleep 0.5; shot 9-aec; close_window
  click "$main" "${SUB_CTRL:-572}" 10
  check "Sub Control opens its window" shown "Sub Control Setting"
  sleep 0.5; shot 7-sub; close_window
  click "$main" "${GROUP_CTRL:-663}" 10
  check "Group Control opens its window" shown "Group Control Setting"
  sleep 0.5; shot 8-group; close_window

  kill "$editor"; wait "$editor" 2>/dev/null || true
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/refresh-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
groups=$("$build/tools/dspseed" "$work/stream")
set +e
REFRESH_INSIDE=1 bash "$netns_run" \
  --device "exec '$build/tools/dspsim' --net 0.0.0.0 --stream '$work/stream' --groups $groups --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
status=${PIPESTATUS[0]}
ls "$out"/refresh-*.png
exit $status
