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

private_session_bus
export DBUS_SYSTEM_BUS_ADDRESS=$bus_address

resident() {
    local with=$1
    [ "$with" = 1 ] && start_pipewire
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
