#!/bin/bash
# The connect-time read of a processor that answers 2.5 s late, 1.5 s more
# than the read's reply time-out, as a user meets it (it connects at full
# speed: the scan's watchdogs give a connect 2 s over Ethernet and 10 s over a
# serial line, less than a processor this slow would need): the real program under
# Xvfb in a private two-host network (netns-run: nothing reaches the host's
# network), once over Ethernet (the simulated processor at 192.168.1.101) and
# once over a serial line (the simulated processor on a pseudo-terminal that
# the editor's own mount namespace shows as its only serial port, ttyS0). The
# read must complete, with no keep-alive (0x12) before its own closing 0x12.
# Prints per link the time from the connect request to the first meter poll
# and the number of requests the processor received (the read has 58);
# screenshots slowread-net.png and slowread-serial.png (the main window after
# the read).
#
#   tools/slowreadshots.sh [BUILD_DIR] [OUT_DIR] [DELAY_MS] [LINKS]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test);
# DELAY_MS defaults to 2500, LINKS to "net serial".
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
delay=${3:-2500}
links=${4:-net serial}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
kRequests=58  # 10 13 22 14, 21 x 29, 6C, 31 x 27, 12

if [ "${SLOWREAD_INSIDE:-}" = 1 ]; then
  work=$SLOWREAD_WORK link=$links
  sim_log=$work/log
  source "$root/tools/xsession.sh"
  sim=
  if [ "$link" = serial ]; then
    "$build/tools/dspsim" --pty --delay "$delay" --delay-from 22 --log "$sim_log" >"$work/pty" &
    sim=$!
    wait_until 5 test -s "$work/pty"
    # ttyS0 is the pseudo-terminal in a mount namespace of the editor's own:
    # nothing changes outside it.
    unshare -m --propagation private bash -c 'mount -t tmpfs -o size=4k serial-ports /sys/class/tty &&
      mkdir -p /sys/class/tty/ttyS0/device && echo 4 >/sys/class/tty/ttyS0/type &&
      mount --bind "$1" /dev/ttyS0 && exec "$2"' fake-port "$(head -1 "$work/pty")" "$build/dspedit" \
      2>"$work/editor.err" &
  else
    "$build/dspedit" 2>"$work/editor.err" &
  fi
  editor=$!
  check "the editor sends the connect request" wait_log 10 60
  start=$(date +%s%N)
  check "the read completes: meter polls follow" wait_log 40 $((delay * kRequests * 3 / 1000 + 30))
  ms=$((($(date +%s%N) - start) / 1000000))
  sleep 1
  "$build/tools/dspshot" "$out/slowread-$link.png"
  echo "$out/slowread-$link.png"
  sed '/^40$/,$d' "$sim_log" >"$work/read"  # what came before the first meter poll
  writes=$(wc -l <"$work/read")
  check "no keep-alive before the read's closing 0x12" test "$(grep -cx 12 "$work/read")" = 1
  check "the read ends with its 0x12" test "$(tail -1 "$work/read")" = 12
  check "at most 4 resends" test "$writes" -le $((kRequests + 4))
  printf '%s: read in %d.%d s (connect request to first meter poll), %d requests received for %d\n' \
    "$link" $((ms / 1000)) $((ms % 1000 / 100)) "$writes" "$kRequests"
  echo "$link: received in order: $(uniq -c "$work/read" | awk '{printf "%s%s ", $2, ($1 > 1 ? "x" $1 : "")}')"

  kill "$editor"; wait "$editor" 2>/dev/null || true
  [ -n "$sim" ] && kill "$sim"
  exit $((failures > 0))
fi

[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
status=0
for link in $links; do
  rm -f "$out/slowread-$link.png"
  work=$(mktemp -d)
  device=()
  [ "$link" = net ] && device=(--device "'$build/tools/dspsim' --net 0.0.0.0 --delay $delay --delay-from 22 --log '$work/log'")
  set +e
  SLOWREAD_INSIDE=1 SLOWREAD_WORK=$work bash "$netns_run" "${device[@]}" -- \
    xvfb-run -a -s "-screen 0 1200x800x24" bash "$0" "$build" "$out" "$delay" "$link" 2>&1 |
    grep -v '^X Error\|^  \(Major\|Resource\|Serial\|Current\)\|^QStandardPaths'
  [ "${PIPESTATUS[0]}" = 0 ] || status=1
  set -e
  rm -rf "$work"
done
exit $status
