#!/bin/bash
# Presets as a user works with them, in the real program against the
# simulated processor at 192.168.1.101 in a private two-host network
# (netns-run: nothing reaches the host's network), under Xvfb: store U05
# "Kitchen", recall F00 and then U05, save a ".prs" and open it again, upload
# the stored presets into a ".unt" and download it. Checks what the processor
# saw and the files, and writes PNG screenshots (presets-*.png): the store list
# with the name, the progress windows, the pages after each step.
#
#   tools/presetshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${PRESETS_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/presets-$1.png"; }
  # A file dialog: the name field has the focus; a full path and Return.
  choose_file() {  # choose_file TITLE PATH
    wait_window "$1" >/dev/null || return 0
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    sleep 0.3
    xdotool key Return
    sleep 1
  }
  # File menu entry n (0 Open, 1 Save, 2 Upload, 3 Download).
  file_menu() {
    click "$main" 18 10
    for _ in $(seq 0 "$1"); do xdotool key Down; sleep 0.15; done
    xdotool key Return
  }
  row() { echo $((36 + 24 + 20 * $1 + 10)); }  # centre of a list row

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor connects and reads the processor" wait_log 40 30
  sleep 2
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  shot 0-connected

  click "$main" 751 665   # Store
  store=$(wait_window "Store Preset" || true)
  check "Store opens the store list" test -n "$store"
  click "$store" 120 "$(row 4)"  # U05
  name=$(wait_window "Name" || true)
  check "choosing U05 opens the name window" test -n "$name"
  xdotool key ctrl+a; xdotool type --delay 30 "Kitchen"; sleep 0.3
  shot 1-name
  xdotool key Return
  check "the processor gets the store" wait_log 26 10
  sleep 1.5
  shot 2-stored
  click "$main" 751 665   # the store list again: U05 has the name
  store=$(wait_window "Store Preset" || true)
  sleep 0.5
  shot 3-store-list
  check "reopening the list chooses no row" test -z "$(window Name || true)"
  [ -n "$store" ] && click "$store" 120 351   # Cancel

  : >"$work/log"
  click "$main" 841 665   # Recall
  recall=$(wait_window "Recall Preset" || true)
  check "Recall opens the recall list" test -n "$recall"
  click "$recall" 120 "$(row 0)"  # F00: the name window asks
  wait_window "Name" >/dev/null && xdotool key Return
  check "the processor gets the recall of F00" wait_log 20 10
  sleep 4
  shot 4-recalled-f00
  : >"$work/log"
  click "$main" 841 665
  recall=$(wait_window "Recall Preset" || true)
  click "$recall" 120 "$(row 5)"  # U05
  wait_window "Name" >/dev/null && xdotool key Return
  check "the processor gets the recall of U05" wait_log 20 10
  sleep 4
  shot 5-recalled-u05

  file_menu 1; choose_file Save "$work/kitchen.prs"
  check "Save writes a 1,524-byte .prs" wait_size "$work/kitchen.prs" 1524
  : >"$work/log"
  file_menu 0; choose_file Open "$work/kitchen.prs"
  check "Open sends the preset to the processor" wait_log 0F 90
  sleep 3
  shot 6-opened

  : >"$work/log"
  file_menu 2
  check "Upload shows the progress window" wait_window Process
  shot 7-upload-progress
  choose_file Upload "$work/unit.unt"
  check "Upload writes a 31,955-byte .unt" wait_size "$work/unit.unt" 31955 60
  sleep 2
  : >"$work/log"
  file_menu 3; choose_file Download "$work/unit.unt"
  check "Download shows the progress window" wait_window Process
  shot 8-download-progress
  check "the download ends with the restart" wait_log 04 60
  sleep 2
  shot 9-after-download

  kill "$editor"; wait "$editor" 2>/dev/null || true
  touch "$work/stop"
  kill "$(cat "$work/sim.pid")" 2>/dev/null || true
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Replies come 100 ms late, so the progress windows stay up long enough to be
# seen. The download ends with a restart that drops the link: the simulated
# processor is started again until "stop" appears.
device="while [ ! -f '$work/stop' ]; do
  '$build/tools/dspsim' --net 0.0.0.0 --delay 100 --log '$work/log' >/dev/null & echo \$! >'$work/sim.pid'; wait; done"
set +e
PRESETS_INSIDE=1 bash "$netns_run" --device "$device" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work"
status=$?
[ -f "$work/sim.pid" ] && kill "$(cat "$work/sim.pid")" 2>/dev/null
ls "$out"/presets-*.png
exit $status
