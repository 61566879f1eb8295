#!/bin/bash
# The connect-time reading of a processor whose every parameter code sits at
# the top of its field (each stream byte 0xFF but the names: gains and
# frequencies of 0xFFFF, Q 255, unknown slopes, all channels linked; the
# bands are peaks and nothing is bypassed, so their curves are drawn; with
# EXTREME_TYPES=1 the types and bypass flags are 0xFF too), in the real program against the simulated processor at
# 192.168.1.101 in a private two-host network (netns-run: nothing reaches the
# host's network), under Xvfb. Screenshots (PNG, extreme-*.png) of the pages
# the codes reach: In1, In2, Out1, Out5, Gain and Aux, where every channel's
# curve is to be drawn and every text a value its control can hold.
#
#   tools/extremeshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${EXTREME_INSIDE:-}" = 1 ]; then
  work=$3
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  shot() { "$build/tools/dspshot" "$out/extreme-$1.png"; echo "$out/extreme-$1.png"; }
  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  trap 'kill $editor 2>/dev/null; wait $editor 2>/dev/null || true' EXIT
  check "the editor reads the processor's blocks" wait_log 27 30
  closed() { sed -n '/^27$/,$p' "$sim_log" | grep -qx 12; }
  for _ in $(seq 1 100); do closed && break; sleep 0.1; done
  check "the reading closes with 0x12" closed
  sleep 2
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  xdotool windowmove "$main" 0 0
  sleep 0.5
  # Page tabs on the line y 43 at 1126 x 725: Gain and Aux, In1 and In2 at
  # rest; Out1 and Out5 after one ">".
  shot 0-gain
  click "$main" 398 43; shot 1-aux
  click "$main" 456 43; shot 2-in1
  click "$main" 509 43; shot 3-in2
  click "$main" 789 43
  click "$main" 513 43; shot 4-out1
  click "$main" 741 43; shot 5-out5
  check "the editor is still running" kill -0 "$editor"
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
rm -f "$out"/extreme-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/stream" "${EXTREME_TYPES:-0}" <<'EOF'
import sys
s = bytearray([0xFF]) * 1550
s[0:2] = b'\0\0'
s[2:16] = b'Extreme codes '
def name(at, text):
    s[at:at + 8] = text.encode().ljust(8, b'\0')
for i in range(8):
    name(16 + 72 * i, 'In%d' % (i + 1))
    name(708 + 94 * i, 'Out%d' % (i + 1))
name(592, 'Aux')
if sys.argv[2] != '1':
    for band in [16 + 72 * i + 28 + 6 * b for i in range(8) for b in range(5)] + \
                [592 + 54 + 6 * b for b in range(5)] + \
                [708 + 94 * k + 36 + 6 * b for k in range(8) for b in range(7)]:
        s[band + 5] = 0  # peak
    s[1466:1500] = bytes(34)  # band-bypass words
    s[1516:1522] = bytes(6)   # equaliser-bypass masks
open(sys.argv[1], 'wb').write(s)
EOF
set +e
EXTREME_INSIDE=1 bash "$netns_run" \
  --device "exec '$build/tools/dspsim' --net 0.0.0.0 --stream '$work/stream' --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" bash "$0" "$build" "$out" "$work" 2>&1 |
  grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
status=${PIPESTATUS[0]}
exit $status
