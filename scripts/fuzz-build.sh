#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds libFuzzer targets with clang in build-fuzz/ (address and undefined
# sanitizers), installing clang when it is missing:
#   scripts/fuzz-build.sh <target>...
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
# A folder configured for make, from before these builds used Ninja: its
# corpus stays.
grep -qs '^CMAKE_GENERATOR:INTERNAL=Ninja$' build-fuzz/CMakeCache.txt ||
    rm -rf build-fuzz/CMakeCache.txt build-fuzz/CMakeFiles
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZORVIK_FUZZ=ON -DZORVIK_BUILD_TESTS=OFF \
    -DZORVIK_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "$@"
