#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it, or when a
# source file does not name its licence in an SPDX line.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
unlicensed=$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' '*.h.in' \
    '*CMakeLists.txt' '*.sh' '*.py' | xargs grep -L 'SPDX-License-Identifier: GPL-3.0-or-later' || true)
if [ -n "$unlicensed" ]; then
    echo "no SPDX licence line in:"
    echo "$unlicensed"
    exit 1
fi
