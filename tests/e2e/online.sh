#!/bin/bash
# Whole-program run with the real defaults inside a private two-host network
# (netns-run): the simulated processor at 192.168.1.101, the editor at
# 192.168.1.10 under Xvfb. Nothing reaches the host's network. Passes when the
# editor discovered, connected to and accepted the processor: its TCP requests
# reach the end-of-identity request 0x22 (and, with the given extra codes,
# those too). Writes a screenshot of the connected editor.
#
#   online.sh EDITOR SIMULATOR SCREENSHOT_TOOL OUTPUT_PNG [HEX_CODE...]
set -u
editor=$1 sim=$2 shot=$3 png=$4
shift 4
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
# The editor runs until the processor has answered the identity check and the
# transfer had time to run, then the screen is captured and the editor ended.
bash "$netns_run" --device "exec '$sim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash -c "
    '$editor' & pid=\$!
    for i in \$(seq 1 300); do grep -qx 22 '$log' && break; sleep 0.1; done
    sleep ${DSP_E2E_SETTLE:-4}
    '$shot' '$png'
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
echo "requests over TCP: $(tr '\n' ' ' < "$log")"
for code in 10 13 22 "$@"; do
  grep -qx "$code" "$log" || { echo "missing request $code"; exit 1; }
done
echo "screenshot: $png"
