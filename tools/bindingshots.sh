#!/bin/bash
# The real program without the item-binding library, as a user would meet it:
# online with the simulated processor inside a private two-host network
# (netns-run; nothing reaches the host's network), under Xvfb at 1200 x 800.
# The processor starts from dspseed's stream (tools/seedstream/SeedImage.h),
# which puts inputs 1-4 on the effect bus: the automix window takes only
# those strips' knobs. Opens the window with the Aux page's automix "Set" and
# checks that the editor prints nothing about the binding library, and that
# the automix knobs respond to the keyboard and the mouse wheel:
#   binding-automix-1.png  the automix window as opened
#   binding-automix-2.png  after forty wheel notches up on knob 3 (+40), four
#                          Up-arrow and five Page Up presses on knob 2 (+52)
#                          and a half-turn drag clockwise on knob 1
# and copies the editor's error output to binding-editor.err.
#
#   tools/bindingshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim, tools/dspseed and tools/dspshot
# (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/binding-*

if [ "${BINDING_INSIDE:-}" = 1 ]; then
  sim_log=$3
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/binding-$1.png"; }
  "$build/dspedit" 2>"$out/binding-editor.err" &
  editor=$!
  check "the editor connects and reads the processor" wait_log 40 30
  sleep 2
  # The Aux tab on the line y 43, then the automix row's "Set".
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  click "$main" 398 43
  click "$main" 422 452
  dlg=$(wait_window "AutoMix Setting" || true)
  check "the automix window opens" test -n "$dlg"
  if [ -n "$dlg" ]; then
    eval "$(xdotool getwindowgeometry --shell "$dlg")"
    shot automix-1
    # Knob n's centre is at (62 * n, 82) of the window. Small steps barely
    # move the indicator (the range is 400 over 270 degrees), hence the
    # many notches and the page steps.
    xdotool windowfocus --sync "$dlg" 2>/dev/null || true
    xdotool mousemove --window "$dlg" 186 82; sleep 0.3
    for _ in $(seq 1 40); do xdotool click 4; sleep 0.05; done
    click "$dlg" 124 82
    for _ in $(seq 1 4); do xdotool key Up; sleep 0.05; done
    for _ in $(seq 1 5); do xdotool key Prior; sleep 0.05; done
    xdotool mousemove --window "$dlg" 50 82 mousedown 1
    for p in "52 74" "56 71" "62 70" "68 71" "72 74" "74 82"; do
      xdotool mousemove --window "$dlg" $p; sleep 0.05
    done
    xdotool mouseup 1; sleep 0.3
    sleep 0.5
    shot automix-2
    for n in 1 2 3; do
      check "knob $n turned" not same_box binding-automix-1 binding-automix-2 \
        $((X + 62 * n - 14)) $((Y + 68)) $((X + 62 * n + 14)) $((Y + 96))
    done
  fi
  kill "$editor"; wait "$editor" 2>/dev/null || true
  check "the editor printed nothing about the binding library" \
    not grep -qiE 'opc|vazi|dll|binding' "$out/binding-editor.err"
  exit $((failures > 0))
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
groups=$("$build/tools/dspseed" "$work/stream")
bash "$netns_run" \
  --device "exec '$build/tools/dspsim' --net 0.0.0.0 --stream '$work/stream' --groups $groups --log '$work/log'" -- \
  env BINDING_INSIDE=1 xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$work/log" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)'
status=${PIPESTATUS[0]}
ls "$out"/binding-*
exit "$status"
