#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (the checks in .clang-tidy) over the program's sources and
# fails on any finding. Uses a configure-only build folder without
# precompiled headers, which clang cannot read from g++. It checks the
# sources in the build's batches, a few in one unit: the Qt headers they share
# are then parsed and walked by every check once a batch, not once a source,
# which takes a sixth of the time and finds the same. A batch is checked again
# only when one of its sources, a header of ours they include, the checks, the
# build's lists or the D-Bus interface changed since the last run with no
# finding (kept in <folder>/tidy-keys.json); --all checks every one.
set -euo pipefail
cd "$(dirname "$0")/.."
all=0
[ "${1:-}" = --all ] && { all=1; shift; }
dir=${1:-build-tidy}
cmake -S . -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
    -DZORVIK_UNITY_BUILD=ON -DZORVIK_BUILD_TESTS=OFF -DZORVIK_BUILD_BENCH=OFF >/dev/null
# The adaptor and proxy made from the D-Bus interface file.
cmake --build "$dir" --target zorvik_bus_sources >/dev/null
keys=$dir/tidy-keys.json
[ $all = 1 ] && rm -f "$keys"
config=(.clang-tidy src/platform/ProgramInfo.h.in "$(clang-tidy --version | tr '\n' ' ')"
        $(git ls-files --cached --others --exclude-standard '*CMakeLists.txt' '*.cmake' 'src/*.xml'))
mapfile -t sources < <(scripts/tidy-targets.py list "$dir/compile_commands.json" "$keys" "${config[@]}")
if [ ${#sources[@]} -eq 0 ]; then
    echo "clang-tidy: nothing changed since the last run with no findings"
    exit 0
fi
echo "clang-tidy: ${#sources[@]} batch(es) or source(s) to check"
# run-clang-tidy takes regular expressions; each path is matched whole.
patterns=()
for source in "${sources[@]}"; do patterns+=("^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$source")\$"); done
status=0
# A batch includes its sources: that check is check-layers.sh's business.
run-clang-tidy -quiet -p "$dir" -j"$(nproc)" -checks=-bugprone-suspicious-include "${patterns[@]}" \
    >"$dir/findings.txt" 2>&1 || status=$?
# Only the findings, not clang-tidy's counts of what it left out.
grep -v -e '^[0-9]* warnings\? generated' -e '^Suppressed [0-9]* warnings' \
    -e '^Use -header-filter' -e '^clang-tidy-14 ' -e '^$' "$dir/findings.txt" |
    sed 's/\x1b\[[0-9;]*m//g' || true
if [ $status -eq 0 ]; then
    scripts/tidy-targets.py keep "$dir/compile_commands.json" "$keys" "${config[@]}"
    echo "clang-tidy: no findings"
fi
exit $status
