#!/bin/bash
# Installs what is missing, builds everything (tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, benchmarks in Release) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_deps
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDSP_SANITIZE=ON >/dev/null
cmake --build build/test -j "$jobs"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDSP_TESTS=OFF -DDSP_BENCH=ON >/dev/null
cmake --build build/bench -j "$jobs"
cd build/test
ctest --output-on-failure -j "$jobs" --timeout 300
