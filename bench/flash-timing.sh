#!/usr/bin/env bash
# Flash timing benchmark: runs the program under a private Xvfb with openbox
# and watches its flash window from a second X client (flash-observer) for
# durations of 20, 100 and 1000 ms at an interval of 2 s. Prints, per
# duration, the error of the time the picture is really on the screen, the
# error of the dark time between flashes, and the program's CPU use while it
# waits. Takes about two and a half minutes.
#
# Usage: bench/flash-timing.sh [build folder]   (default: ./build)
# FLASHES_SCALE=0.3 shortens the run (fewer flashes per duration).
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"

# run_one <duration list position> <duration ms> <flashes>
run_one() {
    local position=$1 duration=$2 flashes=$3
    local folder=$work/run$duration
    start_program "$folder" "$position"
    # Per-flash lines go to the log; the summary is printed.
    observe "$folder/observer.log" --flashes "$flashes" --duration "$duration" --interval 2000 \
        --timeout $((flashes * (2 + duration / 1000 + 1) + 15))
    grep -v '^flash ' "$folder/observer.log"
    stop_program
}

scale=${FLASHES_SCALE:-1}
count() { awk -v n="$1" -v s="$scale" 'BEGIN { c = int(n * s); print (c < 3 ? 3 : c) }'; }

echo "Flash timing (Xvfb $(xdpyinfo | awk '/dimensions:/ { print $2 }'), interval 2 s)"
echo "Goals: visible error at 20 ms under 2 ms median, 5 ms p95; dark error under 10 ms;"
echo "       idle CPU under 0.5 % of one core."
run_one 0 20 "$(count 30)"
run_one 4 100 "$(count 15)"
run_one 9 1000 "$(count 8)"
