#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the PipeWire connection costs in memory: starts a run RUNS times (5
# by default) with a private PipeWire daemon and as many times without one
# (the connection then fails at once), under a private Xvfb with openbox and
# a private session bus, and prints the median resident size of each a few
# seconds into the run, and the difference. The context is made as a run
# starts, with or without a daemon, so the size before Start is printed too:
# from there to a run with PipeWire is all that a run, the connection
# included, adds. Takes about a minute.
#
# Usage: bench/pipewire-memory.sh [build folder]   (default: ./build)
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
runs=${RUNS:-5}

bus_pid=""
pipewire_pid=""
stop_pipewire() {
    if [ -n "$pipewire_pid" ]; then kill "$pipewire_pid" 2>/dev/null || true; fi
    wait "$pipewire_pid" 2>/dev/null || true
    pipewire_pid=""
}
cleanup() {
    stop_program
    stop_pipewire
    if [ -n "$bus_pid" ]; then kill "$bus_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
{
    read -r address
    read -r bus_pid
} < <(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$address DBUS_SYSTEM_BUS_ADDRESS=$address
mkdir -p "$work/pipewire"
export PIPEWIRE_RUNTIME_DIR=$work/pipewire

resident() {
    local with=$1
    if [ "$with" = 1 ]; then
        pipewire -c "$bench_here/../tests/fakes/pipewire.conf" >/dev/null 2>&1 &
        pipewire_pid=$!
        for _ in $(seq 100); do [ -S "$work/pipewire/pipewire-0" ] && break; sleep 0.1; done
    fi
    start_program "$work/run" 13 6 # a 20 s interval: no picture in the way
    local before
    before=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status")
    xdotool windowactivate --sync "$main" key alt+s
    sleep 3
    echo "$before $(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status")"
    stop_program
    stop_pipewire
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
without=$(for _ in $(seq "$runs"); do resident 0; done)
with=$(for _ in $(seq "$runs"); do resident 1; done)
before=$(cut -d' ' -f1 <<<"$without"$'\n'"$with" | median)
without=$(cut -d' ' -f2 <<<"$without" | median)
with=$(cut -d' ' -f2 <<<"$with" | median)
echo "resident size, median of $runs: $before kB before Start; a few seconds into a run" \
    "$without kB without PipeWire, $with kB with it"
echo "the connection adds $((with - without)) kB; a run with it, all told, $((with - before)) kB"
