#!/bin/bash
# Installs what is missing, builds everything and runs every test. One Debug
# tree with AddressSanitizer and UndefinedBehaviorSanitizer, built with clang,
# holds the tests, the editor, its tools and the benchmarks, which share its
# objects (their figures come from a Release tree, see README); the file
# readers' fuzz targets have a clang tree of their own, and their bounded runs
# come last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_deps
jobs=$(nproc)
# Line tables (-g1) are all a sanitizer report needs, and halve what the
# links of the large test programs write. Clang with precompiled headers
# (DSP_PCH, on for clang) builds the tree in under half GCC's time, and lld
# links the sanitizer programs in a third of ld's.
CC=clang CXX=clang++ cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DDSP_SANITIZE=ON -DDSP_BENCH=ON >/dev/null
cmake --build build/test -j "$jobs"
CC=clang CXX=clang++ cmake -S tests/fuzz -B build/fuzz -G Ninja >/dev/null
cmake --build build/fuzz -j "$jobs"
# One test per core: the whole-window tests wait on timers and links, and
# twice as many at once made some of them miss their marks.
(cd build/test && ctest --output-on-failure -j "$jobs" --timeout 300)
cd build/fuzz
ctest --output-on-failure -j "$jobs"
