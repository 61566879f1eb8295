#!/bin/bash
# Installs what is missing, builds everything (tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, benchmarks in Release, the file readers' fuzz
# targets with clang) and runs every test, the fuzz targets' bounded runs last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_deps
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDSP_SANITIZE=ON >/dev/null
cmake --build build/test -j "$jobs"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDSP_TESTS=OFF -DDSP_BENCH=ON >/dev/null
cmake --build build/bench -j "$jobs"
CC=clang CXX=clang++ cmake -S tests/fuzz -B build/fuzz -G Ninja >/dev/null
cmake --build build/fuzz -j "$jobs"
(cd build/test && ctest --output-on-failure -j "$jobs" --timeout 300)
cd build/fuzz
ctest --output-on-failure -j "$jobs"
