#!/bin/bash
# Tries the transfer-curve plots as a user would: on the Gate, AGC and Comp
# pages of the real program (online with the simulated processor inside a
# private two-host network, netns-run; nothing reaches the host's network),
# under Xvfb, clicks, double clicks, right clicks and wheel turns on the curve,
# the empty grid and both scales of the plot. Checks that the program still
# runs, that no menu or other window opened, and that the plot looks as
# before; writes the screenshots before and after (plotinput-PAGE-before.png,
# plotinput-PAGE-after.png).
#
#   tools/plotinput.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}

if [ "${PLOTINPUT_INSIDE:-}" = 1 ]; then
  log=$3
  failures=0
  check() {  # check WHAT CONDITION...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
  }
  shot() { "$build/tools/dspshot" "$out/plotinput-$1.png"; }
  windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort | tr '\n' ' '; }
  same() {  # same SHOT1 SHOT2 X0 Y0 X1 Y1: the box holds the same pixels
    python3 - "$out/plotinput-$1.png" "$out/plotinput-$2.png" "$3" "$4" "$5" "$6" <<'PY'
import struct, sys, zlib
def rows(path):  # 8-bit RGB or RGBA, not interlaced
    data, pos, idat = open(path, 'rb').read(), 8, b''
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        if kind == b'IHDR':
            w, h, _, ctype = struct.unpack('>IIBB', data[pos + 8:pos + 18])
            bpp = 4 if ctype == 6 else 3
        elif kind == b'IDAT':
            idat += data[pos + 8:pos + 8 + n]
        pos += 12 + n
    raw, out, prev, stride = zlib.decompress(idat), [], bytearray(w * bpp), w * bpp
    for y in range(h):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a, b = line[i - bpp] if i >= bpp else 0, prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1: line[i] = (line[i] + a) & 255
            elif f == 2: line[i] = (line[i] + b) & 255
            elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        out.append((bytes(line), bpp))
        prev = line
    return out
a, b = rows(sys.argv[1]), rows(sys.argv[2])
x0, y0, x1, y1 = map(int, sys.argv[3:7])
for y in range(y0, y1):
    (la, pa), (lb, pb) = a[y], b[y]
    for x in range(x0, x1):
        if la[x * pa:x * pa + 3] != lb[x * pb:x * pb + 3]:
            sys.exit(1)
PY
  }
  "$build/dspedit" & pid=$!
  for _ in $(seq 1 300); do grep -qx 22 "$log" && break; sleep 0.1; done
  sleep 4
  window=$(xdotool search --name 'VELMORA' | head -1)
  xdotool windowsize "$window" 1126 725
  sleep 1.5
  # The menu check sees menus: the File menu opens one.
  before=$(windows)
  xdotool mousemove --window "$window" 18 8 click 1
  sleep 0.5
  check "a menu shows as a window" test "$(windows)" != "$before"
  xdotool key Escape
  sleep 0.5
  # Window coordinates: the page tabs on y 43; the plot from (25, 92) to
  # (611, 321), its grid from (77, 104) to (593, 282).
  for page in gate:113 agc:170 comp:228; do
    name=${page%:*}
    xdotool mousemove --window "$window" "${page#*:}" 43 click 1
    sleep 1
    xdotool mousemove --window "$window" 700 700
    sleep 0.5
    shot "$name-before"
    before=$(windows)
    # The curve, the empty grid, the Y scale and the X scale.
    for point in "335 192" "162 140" "45 216" "324 306"; do
      set -- $point
      xdotool mousemove --window "$window" "$1" "$2"
      sleep 0.3
      xdotool click 1; sleep 0.3
      xdotool click --repeat 2 --delay 80 1; sleep 0.3
      xdotool click 3; sleep 0.5
      check "$name ($1, $2): no menu opened" test "$(windows)" = "$before"
      xdotool key Escape
      xdotool click 4; xdotool click 4; xdotool click 5; sleep 0.3
      xdotool mousedown 1; xdotool mousemove --window "$window" $(($1 + 30)) $(($2 + 20)); xdotool mouseup 1
      sleep 0.3
    done
    xdotool mousemove --window "$window" 700 700
    sleep 1
    shot "$name-after"
    check "$name: the program runs" kill -0 "$pid"
    check "$name: no other window" test "$(windows)" = "$before"
    check "$name: the plot looks as before" same "$name-before" "$name-after" 25 92 611 321
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true
  exit "$failures"
fi

command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$work/log'" -- \
  xvfb-run -a -s "-screen 0 1300x1060x24" env PLOTINPUT_INSIDE=1 bash "$0" "$build" "$out" "$work/log"
ls "$out"/plotinput-*.png
