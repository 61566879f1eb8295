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
  failures=0
  check() {  # check WHAT CONDITION...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
  }
  shot() { "$build/tools/dspshot" "$out/tryout-$1.png"; }
  wait_log() {  # wait_log CODE SECONDS
    for _ in $(seq 1 $(($2 * 10))); do grep -qx "$1" "$work/log" 2>/dev/null && return 0; sleep 0.1; done
    return 1
  }
  window() {  # the visible window whose title is exactly $1
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return 0; }
    done
    return 1
  }
  wait_window() {
    for _ in $(seq 1 50); do window "$1" && return 0; sleep 0.1; done
    echo "windows shown:" >&2
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      echo "  '$(xdotool getwindowname "$w")'" >&2
    done
    return 1
  }
  tooltips() {
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && echo "$w"
    done
    return 0
  }
  click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
  same() {  # same SHOT1 SHOT2 X0 Y0 X1 Y1: "same" or "differ" in that box
    python3 - "$out/$1.png" "$out/$2.png" "$3" "$4" "$5" "$6" <<'PY'
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
        out.append(line)
        prev = line
    return out, bpp
(r1, n1), (r2, n2) = rows(sys.argv[1]), rows(sys.argv[2])
x0, y0, x1, y1 = map(int, sys.argv[3:7])
box = lambda r, n: [bytes(r[y][x0 * n:x1 * n]) for y in range(y0, y1)]
print('same' if box(r1, n1) == box(r2, n2) else 'differ')
PY
  }

  "$build/dspedit" 2>"$work/editor.err" &
  editor=$!
  check "the editor connects and reads the processor" wait_log 40 30
  sleep 1
  main=$(window "VELMORA QRV-512 DSP Processor Editor V1.1" || true)
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
  if [ -n "$about" ]; then xdotool key --window "$about" Return; sleep 0.5; fi
  check "About closes with Return" test -z "$(window About || true)"

  # Stop the processor and keep it stopped: the link breaks and the connect
  # window opens.
  touch "$work/hold"
  kill "$(cat "$work/sim.pid")"
  connect=$(wait_window "Connect" || true)
  check "connect window title is exactly 'Connect'" test -n "$connect"
  sleep 1
  shot connect
  if [ -n "$connect" ]; then click "$connect" 281 116; fi  # Demo: work offline
  check "connect window closes with Demo" test -z "$(window Connect || true)"

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
    test "$(same tryout-connect tryout-scan-no-processor $list)" = differ
  check "Scan lists the restarted processor again" test "$(same tryout-connect tryout-rescan $list)" = same
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
  sleep 2
  check "traffic monitor title is exactly 'Hid Data'" test -n "$(window "Hid Data" || true)"
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
