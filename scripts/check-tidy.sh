#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (the checks in .clang-tidy) over the program's sources and
# fails on any finding. Uses a configure-only build folder without
# precompiled headers, which clang cannot read from g++.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-tidy}
cmake -S . -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
    -DZORVIK_BUILD_TESTS=OFF -DZORVIK_BUILD_BENCH=OFF >/dev/null
# The adaptor and proxy made from the D-Bus interface file.
cmake --build "$dir" --target zorvik_bus_sources >/dev/null
status=0
run-clang-tidy -quiet -p "$dir" -j"$(nproc)" "$PWD/src/" >"$dir/findings.txt" 2>&1 || status=$?
# Only the findings, not clang-tidy's counts of what it left out.
grep -v -e '^[0-9]* warnings\? generated' -e '^Suppressed [0-9]* warnings' \
    -e '^Use -header-filter' -e '^clang-tidy-14 ' -e '^$' "$dir/findings.txt" |
    sed 's/\x1b\[[0-9;]*m//g' || true
[ $status -eq 0 ] && echo "clang-tidy: no findings"
exit $status
