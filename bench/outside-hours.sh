#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Outside the active hours: starts the program under a private Xvfb with
# active hours that exclude the present minute, presses Start, and counts
# for SECONDS (60 by default) how often any of its threads woke (context
# switches) and its CPU ticks. The run waits on one timer to the next start
# of the hours, so both should stay near zero.
#
# Usage: bench/outside-hours.sh [build folder]   (default: ./build)
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
seconds=${SECONDS_OUTSIDE:-60}
folder=$work/run
mkdir -p "$folder/config"
# One minute of active hours, an hour away, every day.
from=$(date -d '+1 hour' +%H:%M)
to=$(date -d '+1 hour 1 minute' +%H:%M)
printf '[schedule]\nEnabled=1\nDays=Mon,Tue,Wed,Thu,Fri,Sat,Sun\nFrom=%s\nTo=%s\n' "$from" "$to" \
    >"$folder/config/zorvik-subliminal-images.conf"
start_program "$folder" 0
xdotool windowactivate --sync "$main" key alt+s
sleep 3 # the run settles into its wait
# Context switches per thread, and the CPU ticks of the whole program.
count() {
    local task
    for task in /proc/"$app_pid"/task/*; do
        echo "${task##*/} $(awk '/ctxt_switches/ { s += $2 } END { print s }' "$task/status")"
    done
    echo "ticks $(awk '{ print $14 + $15 }' /proc/"$app_pid"/stat)"
}
count >"$work/before"
sleep "$seconds"
count >"$work/after"
# Threads that came or went meanwhile count from zero or not at all.
read -r wakeups ticks < <(awk 'NR == FNR { before[$1] = $2; next }
    $1 == "ticks" { ticks = $2 - before["ticks"]; next }
    { wakeups += $2 - before[$1] } END { print wakeups + 0, ticks + 0 }' "$work/before" "$work/after")
echo "outside the active hours for $seconds s: $wakeups wake-ups of the program's threads," \
    "$ticks CPU ticks"
