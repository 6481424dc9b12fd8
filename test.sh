#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then checks the formatting, the layers and the
# translations' texts, builds the Debian package and the suite beside it with
# warnings as errors and runs every test, runs clang-tidy, then builds and runs
# every test again with the address and undefined-behaviour sanitizers, runs
# the suites that use the picture store's threads under the thread sanitizer,
# fuzzes the list file's and the pictures' readers briefly, and checks and
# installs the package. The quick checks come first, so that a broken change
# shows in minutes; clang-tidy, the sanitizer and fuzzing builds, the thread
# sanitizer's suites and the fuzzing run beside the suites and the package's
# check.
# Every build goes through the user's compiler cache, so a second run
# recompiles only what changed.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
times=()
started=$SECONDS
step() { # step <name> <command...>: runs the command and notes how long it took
    local name=$1 begin=$SECONDS
    shift
    echo "== $name"
    "$@"
    times+=("$(printf '%-22s %4d s' "$name" $((SECONDS - begin)))")
}

# Steps that run beside others: the packages the tests need are installed
# while the program compiles, and the other builds and checks run beside the
# release and ASan suites (much of a suite's time is spent waiting on timers,
# windows and the programs it starts, and the idle core is taken). They run at
# a lower priority, so that a test gets its core whenever it wants one. The
# package is checked after the ASan suite (installing it syncs the disk often
# enough to starve the crash test's processes), while the steps beside finish.
# beside <name> <command> [<name> <command>]... starts the steps one after
# another; ready <name> [shown] waits for one, shows its output when it failed
# (or always, when shown) and notes how long it took.
logs=build-logs
background=()
declare -A chain # the background process that runs each step
mkdir -p $logs
rm -f $logs/*.status
beside() {
    set -m # in a process group of its own, which the end of this script ends
    (
        set +m
        renice -n 10 $BASHPID >/dev/null
        while [ $# -ge 2 ]; do
            local begin=$SECONDS status=0
            # Started apart, so that it stops at its first failing command.
            $2 >"$logs/$1.log" 2>&1 &
            wait $! || status=$?
            echo "$status $((SECONDS - begin))" >"$logs/$1.status"
            [ $status = 0 ] || exit
            shift 2
        done
    ) &
    background+=($!)
    set +m
    while [ $# -ge 2 ]; do chain[$1]=$!; shift 2; done
}
ready() {
    local name=$1 shown=${2:-} status seconds
    echo "== $name (beside the steps before)"
    until [ -f "$logs/$name.status" ]; do
        if ! kill -0 "${chain[$name]}" 2>/dev/null && [ ! -f "$logs/$name.status" ]; then
            echo "test.sh: the steps beside ended before $name"
            return 1
        fi
        sleep 1
    done
    read -r status seconds <"$logs/$name.status"
    [ "$status" = 0 ] || { tail -n 60 "$logs/$name.log"; return "$status"; }
    [ -z "$shown" ] || cat "$logs/$name.log"
    times+=("$(printf '%-22s %4d s, beside' "$name" "$seconds")")
}
trap '[ ${#background[@]} = 0 ] || kill -- "${background[@]/#/-}" 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM

build() { # build <folder> <cmake options...> [--target <target>...]
    local dir=$1 options=()
    shift
    while [ $# -gt 0 ] && [ "$1" != --target ]; do options+=("$1"); shift; done
    scripts/forget-make-folders.sh "$dir"
    cmake -S . -B "$dir" -G Ninja -DZORVIK_WERROR=ON "${options[@]}" >/dev/null
    cmake --build "$dir" -j"$jobs" "$@"
}

# The release build is the Debian package's own build, with the suite and the
# benchmarks built beside the program: the distribution's flags (hardened,
# -O2) and build type, warnings as errors. The suite then tests the objects the
# package ships, and the program is compiled once for both.
release_build() {
    local printed
    printed=$(scripts/build-deb.sh --with-tests "$PWD/build-deb")
    package=$(sed -n 1p <<<"$printed")
    release=$(sed -n 2p <<<"$printed")
    echo "$package"
}

suite() { # suite <folder>
    # Leaks inside the X libraries and fontconfig are not ours. use_tls=0: the
    # leak checker's scan of thread-local storage crashes on this glibc once
    # GLib is loaded ("Tracer caught signal 11"); without it as a root the
    # check is only stricter. The programs some tests start write no list of
    # the suppressions they used, which those tests would take for output.
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:use_tls=0:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$1" --output-on-failure -j"$jobs"
    echo "== Figures ($1)"
    # What the hardening suites tried and what was lost, from their output.
    grep -h -e '^QINFO' -e '^SKIP' "$1/Testing/Temporary/LastTest.log" | sed 's/^QINFO *: //' || true
}

# The sanitizer builds keep line tables only (-g1): their reports name every
# frame's file and line, and they compile in three quarters of the time that
# full debugging information takes.
# The suites that run the picture store's and the batch's thread pool.
tsan_tests=(tst_picturecache tst_libraryeditor tst_badpictures tst_picturedrop tst_addingmany)
tsan_build() {
    build build-test-tsan -DZORVIK_THREAD_SANITIZE=ON -DZORVIK_BUILD_BENCH=OFF -DZORVIK_UNITY_BUILD=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" \
        --target "${tsan_tests[@]}"
}
tsan_suite() {
    # Without address randomisation: the thread sanitizer's shadow memory then
    # always fits (randomised, one start in a few failed to allocate it).
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp" \
        setarch "$(uname -m)" -R ctest --test-dir build-test-tsan --output-on-failure -j"$jobs" \
        -R "^($(IFS='|'; echo "${tsan_tests[*]}"))\$"
}

asan_build() {
    build build-test-asan -DZORVIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DZORVIK_UNITY_BUILD=ON -DZORVIK_BUILD_BENCH=OFF
}

fuzz_build() {
    scripts/fuzz-build.sh fuzz_listfile fuzz_pictures_jpeg fuzz_pictures_heif fuzz_pictures_all
}
fuzz_briefly() {
    local log=build-fuzz/brief.log corpus status=0
    : >$log
    # A fixed seed and an empty corpus each time: the same inputs on every
    # machine, so that the command fails for a fault, never for luck.
    corpus=$(mktemp -d)
    build-fuzz/tests/fuzz/fuzz_listfile -seed=1 -runs=10000 -max_len=4096 -artifact_prefix="$corpus/" \
        "$corpus" tests/corpus/listfile >>$log 2>&1 || status=1
    for reader in jpeg heif all; do
        [ $status = 0 ] || break
        rm -rf "${corpus:?}"/*
        ASAN_OPTIONS=quarantine_size_mb=16 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
            "build-fuzz/tests/fuzz/fuzz_pictures_$reader" -seed=1 -runs=300 -max_len=65536 \
            -malloc_limit_mb=600 -rss_limit_mb=1024 -artifact_prefix="$corpus/" "$corpus" \
            tests/corpus/pictures >>$log 2>&1 || status=1
    done
    rm -rf "$corpus"
    [ $status = 0 ] || { tail -n 40 $log; return 1; }
    grep -h '^Done' $log || true
}

step "Packages" scripts/install-deps.sh --package-build
beside "Packages (tests)" scripts/install-deps.sh --tests
step "Formatting" scripts/check-format.sh
step "Layers" scripts/check-layers.sh
step "Translations" scripts/check-translations.py
step "Build (release)" release_build
ready "Packages (tests)"
# The list file's and the picture readers' fuzz targets run a few seconds
# each: a finding fails the command.
beside "Build (asan)" asan_build "Build (tsan)" tsan_build "Tests (tsan)" tsan_suite \
    "Build (fuzzing)" fuzz_build "Fuzzing (brief)" fuzz_briefly
beside "clang-tidy" scripts/check-tidy.sh
step "Tests (release)" suite "$release"
ready "Build (asan)"
step "Tests (asan)" suite build-test-asan
step "Debian package" tests/x11/deb-package.sh "$package"
ready "clang-tidy" shown
ready "Build (tsan)"
ready "Tests (tsan)" shown
ready "Build (fuzzing)"
ready "Fuzzing (brief)" shown

echo "== Times"
printf '%s\n' "${times[@]}"
echo "all checks passed in $((SECONDS - started)) s"
