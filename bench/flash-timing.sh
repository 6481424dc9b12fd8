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

work=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Answers any message box the program shows at start-up with Escape.
dismiss_boxes() {
    for box in $(xdotool search --name '^Zorvik Subliminal Images$' 2>/dev/null || true); do
        xdotool windowactivate --sync "$box" key Escape 2>/dev/null || true
    done
}

# run_one <duration list position> <duration ms> <flashes>
run_one() {
    local position=$1 duration=$2 flashes=$3
    local folder=$work/run$duration
    mkdir -p "$folder/SystemFolder" "$folder/config"
    cp "$program" "$folder/"
    convert -size 64x64 xc:'#ff0000' BMP3:"$folder/SystemFolder/red.bmp"
    printf '"red.bmp"\r\n' >"$folder/record.txt"
    printf '[settings]\nDispInterval=0\nDispDuration=%s\nDispLocation=1\nDispOrder=1\n' \
        "$position" >"$folder/config/zorvik-subliminal-images.conf"

    XDG_CONFIG_HOME=$folder/config "$folder/zorvik-subliminal-images" >/dev/null 2>&1 &
    app_pid=$!
    local main=""
    for _ in $(seq 1 200); do
        dismiss_boxes
        main=$(xdotool search --name '^Zorvik Subliminal Images v1.10$' 2>/dev/null | head -n1 || true)
        [ -n "$main" ] && break
        sleep 0.05
    done
    [ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
    sleep 1 # let the pictures decode

    local timeout=$(( flashes * (2 + duration / 1000 + 1) + 15 ))
    exec 3< <("$observer" --flashes "$flashes" --duration "$duration" --interval 2000 \
        --pid "$app_pid" --timeout "$timeout" --colour ff0000)
    read -r ready <&3
    [ "$ready" = ready ] || { echo "observer failed" >&2; exit 1; }
    xdotool windowactivate --sync "$main" key alt+s
    # Per-flash lines go to the log; the summary is printed.
    local log=$folder/observer.log
    cat <&3 >"$log" || true
    exec 3<&-
    grep -v '^flash ' "$log"
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

scale=${FLASHES_SCALE:-1}
count() { awk -v n="$1" -v s="$scale" 'BEGIN { c = int(n * s); print (c < 3 ? 3 : c) }'; }

echo "Flash timing (Xvfb $(xdpyinfo | awk '/dimensions:/ { print $2 }'), interval 2 s)"
echo "Goals: visible error at 20 ms under 2 ms median, 5 ms p95; dark error under 10 ms;"
echo "       idle CPU under 0.5 % of one core."
run_one 0 20 "$(count 30)"
run_one 4 100 "$(count 15)"
run_one 9 1000 "$(count 8)"
