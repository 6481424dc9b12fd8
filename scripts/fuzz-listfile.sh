#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the list file reader's libFuzzer target with clang and runs it.
#   scripts/fuzz-listfile.sh [executions]   (default 1,000,000)
# Builds in build-fuzz/; new inputs found go to build-fuzz/corpus, crashes to
# build-fuzz/crash-*.
set -eu
cd "$(dirname "$0")/.."
runs=${1:-1000000}
scripts/fuzz-build.sh fuzz_listfile
mkdir -p build-fuzz/corpus
cd build-fuzz
nice ./tests/fuzz/fuzz_listfile -runs="$runs" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix=./ corpus ../tests/corpus/listfile
