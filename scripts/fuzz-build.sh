#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds libFuzzer targets with clang in build-fuzz/ (address and undefined
# sanitizers), installing clang when it is missing:
#   scripts/fuzz-build.sh <target>...
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
scripts/forget-make-folders.sh build-fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZORVIK_FUZZ=ON -DZORVIK_BUILD_TESTS=OFF \
    -DZORVIK_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "$@"
