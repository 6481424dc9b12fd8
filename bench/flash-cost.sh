#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a flash costs with the record of pictures shown and with fades: the
# program flashes one picture every 2 s for 100 ms under a private Xvfb with
# openbox and picom, plain (100 %, no fades) with the record off, then on,
# then at 50 % with 200 ms fades in and out, then as large as the screen,
# then with two messages (large, outlined) instead of the picture.
# Prints, for each, the program's CPU time per flash and its resident memory
# after the flashes. About four minutes.
#
# Usage: bench/flash-cost.sh [build folder]   (default: ./build)
# FLASHES=20 sets the flashes per look.
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
flashes=${FLASHES:-20}

picom --backend xrender --config /dev/null >/dev/null 2>&1 &
picom_pid=$!
trap 'kill $picom_pid 2>/dev/null; stop_program; rm -rf "$work"' EXIT
sleep 1

cpu_ms() { # user and system time of the program, in milliseconds
    awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) * 1000 / hz }' "/proc/$app_pid/stat"
}

# run <label> <record 1/0> <opacity> <fade ms> [size] [what is flashed]
run() {
    local folder=$work/$1
    mkdir -p "$folder/config" "$folder/state"
    printf '[record]\nKeep=%s\n[look]\nOpacity=%s\nFadeInMs=%s\nFadeOutMs=%s\nSize=%s\n' "$2" \
        "$3" "$4" "$4" "${5:-picture}" >"$folder/config/zorvik-subliminal-images.conf"
    printf '[messages]\nFlash=%s\n' "${6:-pictures}" >>"$folder/config/zorvik-subliminal-images.conf"
    printf 'I keep going.\nOne small step every day, and then another one.\n' >"$folder/messages.txt"
    export XDG_STATE_HOME=$folder/state
    start_program "$folder" 4 0 # 100 ms, every 2 s
    xdotool windowactivate --sync "$main" key alt+s
    sleep 3 # the first flash, and the start's own work, pass
    local before after
    before=$(cpu_ms)
    sleep $((flashes * 2))
    after=$(cpu_ms)
    local rss
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app_pid/status")
    awk -v l="$1" -v b="$before" -v a="$after" -v n="$flashes" -v r="$rss" -v f="$4" 'BEGIN {
        per = (a - b) / n
        printf "%-20s %6.2f ms CPU a flash, resident %.1f MB", l, per, r / 1024
        if (f > 0) printf ", %d fade steps a flash", 2 * f * 60 / 1000
        printf "\n" }'
    stop_program
}

echo "Flash cost (Xvfb with picom, $flashes flashes of 100 ms every 2 s)"
run "plain, no record" 0 100 0
run "plain, record" 1 100 0
run "50 %, 200 ms fades" 1 50 200
run "the whole screen" 1 100 0 screen
run "messages" 1 100 0 picture messages
