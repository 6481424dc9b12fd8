#!/usr/bin/env bash
# Real-time soak: runs the program under a private Xvfb with openbox for 300
# real flashes (100 ms every 2 s, about ten and a half minutes), watched by
# flash-observer, and reports the program's resident memory over the run and
# the drift of the flash timing between the first and the last 50 flashes.
#
# Usage: bench/soak-realtime.sh [build folder]   (default: ./build)
# FLASHES=60 shortens the run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)

if [ -z "${ZORVIK_BENCH_IN_X:-}" ]; then
    ZORVIK_BENCH_IN_X=1 exec "$here/../tests/x11/with-x-server.sh" "$0" "$build"
fi

program=$build/zorvik-subliminal-images
observer=$build/bench/flash-observer
for file in "$program" "$observer"; do
    [ -x "$file" ] || { echo "missing $file: build the project first" >&2; exit 2; }
done

flashes=${FLASHES:-300}
duration=100
work=$(mktemp -d)
app_pid=""
sampler_pid=""
cleanup() {
    [ -n "$sampler_pid" ] && kill "$sampler_pid" 2>/dev/null
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/SystemFolder" "$work/config"
cp "$program" "$work/"
# One picture in list order: the observer knows its colour. A BMP, since a
# JPEG's red is not exactly the red the observer looks for.
convert -size 640x480 xc:'#ff0000' BMP3:"$work/SystemFolder/red.bmp"
printf '"red.bmp"\r\n' >"$work/record.txt"
# Interval 2 s (position 0), duration 100 ms (position 4), centre, list order.
printf '[settings]\nDispInterval=0\nDispDuration=4\nDispLocation=1\nDispOrder=1\n' \
    >"$work/config/zorvik-subliminal-images.conf"

XDG_CONFIG_HOME=$work/config "$work/zorvik-subliminal-images" >/dev/null 2>&1 &
app_pid=$!
main=""
for _ in $(seq 1 200); do
    for box in $(xdotool search --name '^Zorvik Subliminal Images$' 2>/dev/null || true); do
        xdotool windowactivate --sync "$box" key Escape 2>/dev/null || true
    done
    main=$(xdotool search --name '^Zorvik Subliminal Images v1.10$' 2>/dev/null | head -n1 || true)
    [ -n "$main" ] && break
    sleep 0.05
done
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
# Resident memory every 10 s while it runs.
( while kill -0 "$app_pid" 2>/dev/null; do echo "$(date +%s) $(rss)"; sleep 10; done ) \
    >"$work/rss.log" 2>/dev/null &
sampler_pid=$!

exec 3< <("$observer" --flashes "$flashes" --duration "$duration" --interval 2000 \
    --pid "$app_pid" --timeout $((flashes * 3 + 30)) --colour ff0000 --size 353x249)
read -r ready <&3
[ "$ready" = ready ] || { echo "observer failed" >&2; exit 1; }
started=$(date +%s.%N)
xdotool windowactivate --sync "$main" key alt+s
cat <&3 >"$work/observer.log" || true
exec 3<&-
ended=$(date +%s.%N)
kill "$sampler_pid" 2>/dev/null || true
sampler_pid=""

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
awk -v s="$started" -v e="$ended" -v n="$flashes" -v d="$duration" 'BEGIN {
    expected = n * (2000 + d) / 1000
    printf "  whole run: %.1f s against %.1f s expected (%+.2f ms per flash)\n",
           e - s, expected, (e - s - expected) * 1000 / n }'
# Samples every 10 s; the one a minute in is taken as the end of the warm-up.
awk 'NR == 1 { first = $2 } NR == 7 { warm = $2 } { last = $2; if ($2 > peak) peak = $2 }
     END { if (warm == "") warm = first
           printf "  resident memory: %d kB at the start, %d kB after a minute, %d kB at the end " \
                  "(%+d kB after warm-up), peak %d kB\n", first, warm, last, last - warm, peak }' \
    "$work/rss.log"
