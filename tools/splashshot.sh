#!/bin/bash
# A picture of the splash as the editor opens it at start-up, under Xvfb inside
# a private network (netns-run: the start-up's discovery reaches nothing
# outside). dspedit-splash holds the splash open until it is drawn and writes
# splash-startup.png, the part of the screen the splash covers.
#
#   tools/splashshot.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds tools/dspedit-splash (default build/test).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out=${2:-$build/test-output}
netns_run=${DSP_NETNS_RUN:-$root/../shared/tools/netns-run}
[ -f "$netns_run" ] || { echo "netns-run not found at $netns_run (set DSP_NETNS_RUN)"; exit 1; }
mkdir -p "$out"
ASAN_OPTIONS=detect_leaks=0 bash "$netns_run" -- xvfb-run -a -s "-screen 0 1200x800x24" \
  "$build/tools/dspedit-splash" "$out/splash-startup.png"
echo "$out/splash-startup.png"
