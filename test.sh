#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then checks the formatting, the layers and
# clang-tidy, builds with warnings as errors and runs every test, then does the
# same with the address and undefined-behaviour sanitizers, then runs the
# suites that use the picture store's threads under the thread sanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --tests
jobs=$(nproc)

echo "== Formatting"
scripts/check-format.sh
echo "== Layers"
scripts/check-layers.sh
echo "== clang-tidy"
scripts/check-tidy.sh

for variant in release asan; do
    dir=build-test-$variant
    options=(-DZORVIK_WERROR=ON -DZORVIK_BUILD_BENCH=ON)
    [ $variant = asan ] && options+=(-DZORVIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DZORVIK_BUILD_BENCH=OFF)
    echo "== Build ($variant)"
    cmake -S . -B "$dir" "${options[@]}" >/dev/null
    cmake --build "$dir" -j"$jobs"
    echo "== Tests ($variant)"
    # Leaks inside the X libraries and fontconfig are not ours. use_tls=0: the
    # leak checker's scan of thread-local storage crashes on this glibc once
    # GLib is loaded ("Tracer caught signal 11"); without it as a root the
    # check is only stricter. The programs some tests start write no list of
    # the suppressions they used, which those tests would take for output.
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:use_tls=0:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$dir" --output-on-failure -j"$jobs"
    echo "== Figures ($variant)"
    # What the hardening suites tried and what was lost, from their output.
    grep -h -e '^QINFO' -e '^SKIP' "$dir/Testing/Temporary/LastTest.log" | sed 's/^QINFO *: //' || true
done

echo "== Build (tsan)"
# The suites that run the picture store's and the batch's thread pool.
tsan_tests=(tst_picturecache tst_libraryeditor tst_badpictures tst_picturedrop tst_addingmany)
cmake -S . -B build-test-tsan -DZORVIK_WERROR=ON -DZORVIK_THREAD_SANITIZE=ON -DZORVIK_BUILD_BENCH=OFF >/dev/null
cmake --build build-test-tsan -j"$jobs" --target "${tsan_tests[@]}"
echo "== Tests (tsan)"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp" \
    ctest --test-dir build-test-tsan --output-on-failure -j"$jobs" \
    -R "^($(IFS='|'; echo "${tsan_tests[*]}"))\$"

echo "== Debian package"
tests/x11/deb-package.sh
