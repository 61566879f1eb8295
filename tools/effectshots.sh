#!/bin/bash
# The effect windows as a connect-time reading leaves them, in the real
# program against the simulated processor at 192.168.1.101 in a private
# two-host network (netns-run: nothing reaches the host's network), under
# Xvfb at 1200 x 800. The processor starts from dspseed's --edges stream
# (tools/seedstream/SeedImage.h): camera threshold word 80, reverb time step
# 0, AEC-out byte 1 -- each fader at the position it starts at -- and echo
# delay 200 ms. Opens the echo and reverb, camera and echo-cancellation
# windows from the Aux page and writes effect-<language>-<window>.png; in
# English the reverb time is then turned up to step 139 (1.96s) with the
# wheel (effect-english-rvb-time.png). Texts to look for: " 200ms", "0.1ms",
# "1.96s", " -50.0dB", "+ 6.0dB".
#
#   tools/effectshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim, tools/dspseed and tools/dspshot
# (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${EFFECT_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/effect-$1.png"; }
  close_window() { xdotool key Escape; sleep 0.8; }  # the modal window shown
  # Window coordinates: the Aux tab on the line y 43; the effect page's
  # "Set" buttons of the effect, camera and echo-cancellation rows.
  shown() { wait_window "$1" >/dev/null; }
  open_window() {  # open_window X Y TITLE: clicks and waits for the window
    click "$main" "$1" "$2"
    check "Set opens '$3'" shown "$3"
    sleep 0.5
  }
  windows() {  # windows LANGUAGE EFFECT CAMERA AEC: the three windows' titles
    open_window 422 392 "$2"; shot "$1-rvb"
    if [ "$1" = english ]; then
      # The reverb time fader (column 7 of the window) turned up 139 steps.
      rvb=$(window "$2")
      xdotool mousemove --window "$rvb" 282 140
      xdotool click --repeat 139 --delay 5 4
      sleep 0.5; shot "$1-rvb-time"
    fi
    close_window
    open_window 422 512 "$3"; shot "$1-camera"; close_window
    open_window 422 572 "$4"; shot "$1-aec"; close_window
  }
  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor reads the processor's blocks" wait_log 27 30
  for _ in $(seq 1 100); do sed -n '/^27$/,$p' "$sim_log" | grep -qx 12 && break; sleep 0.1; done
  sleep 2
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  click "$main" 398 43
  windows english "Effect Setting" "Camera Setting" "Echo Cancellation Setting"
  # The Language menu (its title is written in the other language) and its
  # first item, simplified Chinese.
  click "$main" 732 10
  click "$main" 750 34
  sleep 0.5
  windows chinese "效果设置" "摄像跟踪设置" "回声消除设置"

  kill "$editor"; wait "$editor" 2>/dev/null || true
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/effect-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
groups=$("$build/tools/dspseed" --edges "$work/stream")
set +e
EFFECT_INSIDE=1 bash "$netns_run" \
  --device "exec '$build/tools/dspsim' --net 0.0.0.0 --stream '$work/stream' --groups $groups --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
status=${PIPESTATUS[0]}
ls "$out"/effect-*.png
exit $status
