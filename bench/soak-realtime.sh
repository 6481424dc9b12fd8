#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real-time soak: runs the program under a private Xvfb with openbox for 300
# real flashes (100 ms every 2 s, about ten and a half minutes), watched by
# flash-observer, and reports the program's resident memory over the run and
# the drift of the flash timing between the first and the last 50 flashes.
#
# Usage: bench/soak-realtime.sh [build folder]   (default: ./build)
# FLASHES=60 shortens the run.
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"

flashes=${FLASHES:-300}
duration=100
start_program "$work/program" 4 # 100 ms

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
# Resident memory every 10 s while it runs.
( while kill -0 "$app_pid" 2>/dev/null; do echo "$(date +%s) $(rss)"; sleep 10; done ) \
    >"$work/rss.log" 2>/dev/null &
sampler_pid=$!

observe "$work/observer.log" --flashes "$flashes" --duration "$duration" --interval 2000 \
    --timeout $((flashes * 3 + 30))
kill "$sampler_pid" 2>/dev/null || true

echo "Real-time soak: $flashes flashes of $duration ms every 2 s"
grep -v '^flash ' "$work/observer.log"
# Per flash: "flash N: mapped→visible A ms, visible B ms, mapped C ms"; B is
# -1 for a flash whose picture was never seen.
awk -v n="$flashes" '
    /^flash / { gsub(/,/, ""); if ($7 >= 0) { visible[++count] = $7; mapped[count] = $10 } }
    END {
        k = count < 100 ? int(count / 2) : 50
        for (i = 1; i <= k; ++i) { fv += visible[i]; fm += mapped[i] }
        for (i = count - k + 1; i <= count; ++i) { lv += visible[i]; lm += mapped[i] }
        if (k > 0)
            printf "  drift, last %d against first %d flashes: visible %+.2f ms, mapped %+.2f ms\n",
                   k, k, (lv - fv) / k, (lm - fm) / k
    }' "$work/observer.log"
awk -v s="$observed_from" -v e="$observed_to" -v n="$flashes" -v d="$duration" 'BEGIN {
    expected = n * (2000 + d) / 1000
    printf "  whole run: %.1f s against %.1f s expected (%+.2f ms per flash)\n",
           e - s, expected, (e - s - expected) * 1000 / n }'
# Samples every 10 s; the one a minute in is taken as the end of the warm-up.
awk 'NR == 1 { first = $2 } NR == 7 { warm = $2 } { last = $2; if ($2 > peak) peak = $2 }
     END { if (warm == "") warm = first
           printf "  resident memory: %d kB at the start, %d kB after a minute, %d kB at the end " \
                  "(%+d kB after warm-up), peak %d kB\n", first, warm, last, last - warm, peak }' \
    "$work/rss.log"
