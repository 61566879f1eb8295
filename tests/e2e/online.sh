#!/bin/bash
# Whole-program run with the real defaults inside a private two-host network
# (netns-run): the simulated processor at 192.168.1.101, the editor at
# 192.168.1.10 under Xvfb. Nothing reaches the host's network. Passes when the
# editor discovered, connected to and accepted the processor, read its state
# and polls the meters: its TCP requests begin 10 13 22, then the transfer
# 14, 29 x 21, 6C, 27 x 31, 12, then meter polls 40. Writes a screenshot of
# the connected editor with its moving meters.
#
#   online.sh EDITOR SIMULATOR SCREENSHOT_TOOL OUTPUT_PNG
set -u
editor=$1 sim=$2 shot=$3 png=$4
netns_run=${DSP_NETNS_RUN:-$(cd "$(dirname "$0")/../../.." && pwd)/shared/tools/netns-run}
if [ "$(id -u)" -ne 0 ]; then
  echo "needs root for network namespaces"; exit 77
fi
if [ ! -f "$netns_run" ]; then
  echo "netns-run not found at $netns_run"; exit 1
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
mkdir -p "$(dirname "$png")"
# The editor runs until the processor has seen the transfer and three meter
# polls (however long a loaded machine takes, within the test's time-out),
# then the screen is captured and the editor ended.
bash "$netns_run" --device "exec '$sim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash -c "
    '$editor' & pid=\$!
    for i in \$(seq 1 6000); do [ \$(grep -cx 40 '$log') -ge 3 ] && break; sleep 0.1; done
    '$shot' '$png'
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
seen=$(tr '\n' ' ' < "$log")
echo "requests over TCP: $seen"
expected="10 13 22 14 $(printf '29 %.0s' $(seq 21))6C $(printf '27 %.0s' $(seq 31))12 40 40 "
case "$seen" in
  "$expected"*) ;;
  *) echo "expected the requests to begin: $expected"; exit 1 ;;
esac
echo "screenshot: $png"
