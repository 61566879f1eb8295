#!/bin/bash
# The channel pages and windows in the real program against the simulated
# processor at 192.168.1.101 in a private two-host network (netns-run:
# nothing reaches the host's network), under Xvfb at 1920 x 1080, in English
# and then in simplified Chinese. Writes PNG screenshots (pages-<lang>-*.png):
# the Aux page before any band is chosen there, In1 after band 2 was edited
# and F00 recalled (the panel shows band 1), the camera window, the automix
# window under Auto, and the main window at its design size and at
# 1920 x 1080.
#
#   tools/pagesshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${PAGES_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/pages-$lang-$1.png"; }
  close_window() { xdotool key Escape; sleep 0.8; }
  tab() { click "$main" "$1" 43; sleep 0.5; }  # the page tabs on the line y 43
  row() { echo $((36 + 24 + 20 * $1 + 10)); }  # centre of a recall-list row
  design() { xdotool windowsize "$main" "$1" "$2"; sleep 1; }

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor connects and reads the processor" wait_log 40 30
  sleep 2
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  xdotool windowmove "$main" 0 0
  design_size=$(xdotool getwindowgeometry "$main" | awk '/Geometry/ {print $2}')
  for lang in en zh; do
    if [ "$lang" = zh ]; then
      click "$main" "${LANGUAGE_MENU:-740}" 10
      xdotool key Down Return   # the first item: simplified Chinese
      sleep 1
    fi
    tab 398; shot 1-aux-start
    tab 456                      # In1
    click "$main" 204 458        # band 2's button
    for _ in 1 2 3; do xdotool key Right Up; done
    sleep 0.5; shot 2-in1-band2
    click "$main" 841 665        # Recall
    recall=$(wait_window "$( [ $lang = en ] && echo 'Recall Preset' || echo '调用预设')" || true)
    [ -n "$recall" ] && click "$recall" 120 "$(row 0)"
    sleep 1; xdotool key Return  # the name window's OK: F00
    check "$lang: the processor gets the recall of F00" wait_log 20 10
    sleep 3; shot 3-in1-recalled
    tab 398
    click "$main" 422 512        # Camera Set
    sleep 1; shot 4-camera; close_window
    click "$main" 422 452        # AutoMix Set
    sleep 1
    automix=$(wait_window "$( [ $lang = en ] && echo 'AutoMix Setting' || echo '自动混音设置')" || true)
    # Without a window manager a click only focuses Auto; Space then presses it.
    click "$automix" 646 255; xdotool key space; sleep 0.8   # Auto
    sleep 0.5; shot 5-automix-auto
    xdotool key space; sleep 0.5   # back as it was
    close_window
    tab 57
    shot 6-design-size
    design 1920 1080; shot 7-1920x1080
    design "${design_size%x*}" "${design_size#*x}"
  done

  kill "$editor"; wait "$editor" 2>/dev/null || true
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/pages-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
set +e
PAGES_INSIDE=1 bash "$netns_run" \
  --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$build" "$out" "$work" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
status=${PIPESTATUS[0]}
ls "$out"/pages-*.png
exit $status
