#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVIK_BUILD_TESTS=OFF -DZORVIK_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target zorvik-subliminal-images
exec build/zorvik-subliminal-images "$@"
