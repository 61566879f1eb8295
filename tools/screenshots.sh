#!/bin/bash
# Screenshots of the real program with its real defaults, connected to the
# simulated processor inside a private two-host network (netns-run; nothing
# reaches the host's network): one in English, then one after choosing the
# Chinese language item from the menu with xdotool.
#
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds dspedit, tools/dspsim and tools/dspshot (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
mkdir -p "$out"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
bash "$netns_run" --device "exec '$build/tools/dspsim' --net 0.0.0.0 --log '$log'" -- \
  xvfb-run -a -s "-screen 0 1200x800x24" bash -c "
    '$build/dspedit' & pid=\$!
    for i in \$(seq 1 300); do grep -qx 22 '$log' && break; sleep 0.1; done
    sleep 4
    '$build/tools/dspshot' '$out/editor-english.png'
    # The Language menu (its title is written in the other language) and
    # its first item, simplified Chinese.
    window=\$(xdotool search --name 'VELMORA' | head -1)
    xdotool mousemove --window \$window 732 10 click 1
    sleep 0.5
    xdotool mousemove --window \$window 750 34 click 1
    sleep 1
    '$build/tools/dspshot' '$out/editor-chinese.png'
    kill \$pid; wait \$pid 2>/dev/null; exit 0"
echo "$out/editor-english.png"
echo "$out/editor-chinese.png"
