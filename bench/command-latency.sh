#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Command latency benchmark: runs the program under a private Xvfb with
# openbox and a private session bus, then, LAUNCHES times, starts a run with
# a second launch's --start and times a second launch's --stop from its exec
# to the run stopped (the Running property read back false), and reports the
# median and the slowest. Takes about half a minute.
#
# Usage: bench/command-latency.sh [build folder]   (default: ./build)
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
launches=${LAUNCHES:-20}

private_session_bus

running() {
    gdbus call --session -d example.zorvik.SubliminalImages -o /example/zorvik/SubliminalImages \
        -m org.freedesktop.DBus.Properties.Get example.zorvik.SubliminalImages Running 2>/dev/null
}
wait_for() {
    for _ in $(seq 1 2000); do
        [[ "$(running)" == *"$1"* ]] && return 0
    done
    echo "the run did not become $1" >&2
    exit 1
}

start_program "$work/run" 0
copy=$work/run/zorvik-subliminal-images
wait_for false
times=()
for _ in $(seq 1 "$launches"); do
    "$copy" --start
    wait_for true
    from=$(date +%s%N)
    "$copy" --stop
    wait_for false
    times+=($((($(date +%s%N) - from) / 1000)))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(sed -n "$(((launches + 1) / 2))p" <<<"$sorted")
slowest=$(tail -n 1 <<<"$sorted")
awk -v n="$launches" -v m="$median" -v s="$slowest" 'BEGIN {
    printf "command latency: --stop to the run stopped over %d launches: median %.1f ms, slowest %.1f ms\n", n, m / 1000, s / 1000 }'
