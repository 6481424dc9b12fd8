#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Forgets the configuration of build folders that an earlier version of the
# scripts configured for make, so that CMake configures them for Ninja; the
# rest of a folder (a fuzzing corpus, say) stays.
# Usage: scripts/forget-make-folders.sh <folder>...
set -eu
for dir in "$@"; do
    grep -qs '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt" ||
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
done
