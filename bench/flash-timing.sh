#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Flash timing benchmark: runs the program under a private Xvfb with openbox
# and watches its flash window from a second X client (flash-observer) for
# durations of 20, 100 and 1000 ms at an interval of 2 s, and 20 ms at 10 s.
# Prints, per run, the error of the time the picture is really on the screen,
# the error of the dark time between flashes (to the next map, and to the next
# picture really on the screen), and the program's CPU use while it waits. Takes about four and a half minutes.
#
# Usage: bench/flash-timing.sh [build folder]   (default: ./build)
# FLASHES_SCALE=0.3 shortens the run (fewer flashes per duration);
# FLASH_RUNS="2/20 10/20" chooses the runs (interval s/duration ms);
# FLASH_LOGS=<folder> keeps the per-flash logs there; MESSAGES=1 flashes a
# message (drawn red on a red box) instead of the picture.
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"

durations=(20 40 60 80 100 125 150 200 500 1000 2000 3000 4000 5000)

# run_one <interval s> <duration ms> <flashes>
run_one() {
    local seconds=$1 duration=$2 flashes=$3 position
    for position in "${!durations[@]}"; do
        [ "${durations[$position]}" = "$duration" ] && break
    done
    local folder=$work/run${seconds}s$duration
    # Interval positions: 2 s, then 5 s steps.
    start_program "$folder" "$position" $((seconds == 2 ? 0 : seconds / 5))
    # Per-flash lines go to the log; the summary is printed.
    observe "$folder/observer.log" --flashes "$flashes" --duration "$duration" \
        --interval $((seconds * 1000)) --timeout $((flashes * (seconds + duration / 1000 + 1) + 15))
    grep -v '^flash ' "$folder/observer.log"
    [ -z "${FLASH_LOGS:-}" ] || cp "$folder/observer.log" "$FLASH_LOGS/${seconds}s-${duration}ms.log"
    stop_program
}

scale=${FLASHES_SCALE:-1}
count() { awk -v n="$1" -v s="$scale" 'BEGIN { c = int(n * s); print (c < 3 ? 3 : c) }'; }
flashes_for() {
    case $1 in
    2/20) count 30 ;;
    2/100) count 15 ;;
    10/*) count 12 ;;
    *) count 8 ;;
    esac
}

echo "Flash timing (Xvfb $(xdpyinfo | awk '/dimensions:/ { print $2 }'))"
echo "Goals: visible error at 20 ms within 1.5 ms median; dark error to the picture within"
echo "       2 ms median and 4 ms p95 at 2 s and 10 s; idle CPU under 0.5 % of one core."
for run in ${FLASH_RUNS:-2/20 2/100 2/1000 10/20}; do
    run_one "${run%/*}" "${run#*/}" "$(flashes_for "$run")"
done
