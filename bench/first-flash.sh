#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# First-flash benchmark: starts the program STARTS times (10 by default) in
# one program folder under a private Xvfb with openbox, presses Start, and
# has flash-observer time the first picture on the screen against one 2 s
# interval from the main window's unmap at Start. The first launch is a new
# user's, with nothing learnt yet; the later ones keep what the runs before
# them learnt. Prints each error and the median. Takes about a minute.
#
# Usage: bench/first-flash.sh [build folder]   (default: ./build)
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
errors=()
for run in $(seq 1 "${STARTS:-10}"); do
    start_program "$work/run" 0
    # Two flashes: the run learns from them, and keeps it at the end.
    observe "$work/observer.log" --flashes 2 --duration 20 --interval 2000 \
        --start-window "$main" --timeout 20
    error=$(sed -n 's/.*first picture on screen after Start: \([-+0-9.]*\) ms.*/\1/p' \
        "$work/observer.log")
    echo "start $run: ${error:-none} ms"
    errors+=("${error:-nan}")
    xdotool windowmap "$main" 2>/dev/null || true
    xdotool windowactivate --sync "$main" key alt+s 2>/dev/null || true # Stop keeps the estimate
    sleep 0.5
    stop_program
done
printf '%s\n' "${errors[@]}" | sort -g | awk '{ e[NR] = $1 } END {
    printf "first flash against one interval, %d starts: median %+.2f ms\n", NR, e[int((NR + 1) / 2)] }'
