#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# First-flash benchmark: starts the program STARTS times (10 by default) in
# one program folder under a private Xvfb with openbox and a private session
# bus, presses Start, reads the time the program says the first picture is
# due (its NextFlash property, one interval after Start by its own clock), and
# has flash-observer time the first picture on the screen against it. The
# first launch is a new user's, with nothing learnt yet; the later ones keep
# what the runs before them learnt. Prints each error and the median. Takes
# about a minute.
#
# Usage: bench/first-flash.sh [build folder]   (default: ./build)
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"

private_session_bus

due=""
after_start() {
    due=""
    for _ in $(seq 1 100); do
        due=$(gdbus call --session -d example.zorvik.SubliminalImages \
            -o /example/zorvik/SubliminalImages -m org.freedesktop.DBus.Properties.Get \
            example.zorvik.SubliminalImages NextFlash 2>/dev/null |
            sed -n "s/.*'\(.\+\)'.*/\1/p")
        [ -n "$due" ] && break
    done
}

errors=()
for run in $(seq 1 "${STARTS:-10}"); do
    start_program "$work/run" 0
    # Two flashes: the run learns from them, and keeps it at the end.
    observe "$work/observer.log" --flashes 2 --duration 20 --interval 2000 --timeout 20
    seen=$(sed -n 's/.*first picture on screen at \([0-9.]*\) ms since the epoch.*/\1/p' \
        "$work/observer.log")
    error=nan
    if [ -n "$due" ] && [ -n "$seen" ]; then
        error=$(awk -v seen="$seen" -v due="$(date -d "$due" +%s%3N)" \
            'BEGIN { printf "%+.2f", seen - due }')
    fi
    echo "start $run: due $due, first picture $error ms from then"
    errors+=("$error")
    xdotool windowmap "$main" 2>/dev/null || true
    xdotool windowactivate --sync "$main" key alt+s 2>/dev/null || true # Stop keeps the estimate
    sleep 0.5
    stop_program
done
printf '%s\n' "${errors[@]}" | sort -g | awk '{ e[NR] = $1 } END {
    printf "first flash against one interval after Start, %d starts: median %+.2f ms, from %+.2f to %+.2f ms\n",
        NR, e[int((NR + 1) / 2)], e[1], e[NR] }'
