#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's screenshots under a private Xvfb with openbox: the main
# window with a few pictures, a flash, the exit screen, and the main window in
# German. Writes docs/screenshots/{main-window,flash,exit-screen,main-window-de}.png.
#
# Usage: scripts/screenshots.sh [build folder]   (default: ./build, built if missing)
# Needs: xvfb, openbox, xdotool, wmctrl, x11-utils, imagemagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/.." && pwd)
build=${1:-$source/build}

if [ -z "${ZORVIK_SCREENSHOTS_IN_X:-}" ]; then
    if [ ! -x "$build/zorvik-subliminal-images" ]; then
        cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZORVIK_BUILD_TESTS=OFF >/dev/null
        cmake --build "$build" -j"$(nproc)" --target zorvik-subliminal-images
    fi
    build=$(cd "$build" && pwd)
    ZORVIK_SCREENSHOTS_IN_X=1 exec "$source/tests/x11/with-x-server.sh" "$0" "$build"
fi

out=$source/docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A program folder of its own with a few drawn pictures (fixed seeds, so the
# screenshots only change when the program does), and settings for a long
# flash in the centre of the screen at the shortest interval.
folder=$work/program
mkdir -p "$folder/SystemFolder" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/zorvik-subliminal-images" "$folder/"
convert -seed 7 -size 640x480 plasma:gold-firebrick -blur 0x2 "$folder/SystemFolder/sunrise.jpg"
convert -size 640x480 gradient:skyblue-navy -swirl 120 "$folder/SystemFolder/ocean.jpg"
convert -size 640x480 radial-gradient:palegreen-darkgreen "$folder/SystemFolder/meadow.jpg"
convert -seed 11 -size 640x480 plasma:violet-indigo "$folder/SystemFolder/dream.jpg"
printf '"sunrise.jpg"\r\n"ocean.jpg"\r\n"meadow.jpg"\r\n"dream.jpg"\r\n' >"$folder/record.txt"
# Interval 2 s, duration 5000 ms, centre of the screen, list order.
printf '[settings]\nDispInterval=0\nDispDuration=13\nDispLocation=1\nDispOrder=1\n' \
    >"$work/config/zorvik-subliminal-images.conf"

wait_for() { # <seconds> <command...>: retries the command until it succeeds
    local tries=$(($1 * 10))
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
find_window() { # <exact title>: the id of a visible window with that title
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
shoot() { # <window id> <file>: the window with its frame, cut from the screen
    local id=$1 file=$2 frame x y w h
    # The frame openbox draws around the window, if any.
    frame=$(xwininfo -id "$id" -children | awk '/Parent window id/ {print $4}')
    if [ -n "$frame" ] && [ "$frame" != "$(xwininfo -root | awk '/Window id/ {print $4}')" ]; then
        id=$frame
    fi
    eval "$(xwininfo -id "$id" | awk '
        /Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4}
        /Width:/ {print "w=" $2}
        /Height:/ {print "h=" $2}')"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage -strip "$work/shot.png"
    convert "$work/shot.png" -colors 256 -strip "PNG8:$file"
    echo "wrote $file (${w}x${h})"
}

XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime "$folder/zorvik-subliminal-images" \
    >/dev/null 2>&1 &
pid=$!

main=""
wait_for 20 find_window 'Zorvik Subliminal Images v1\.10' >/dev/null
main=$(find_window 'Zorvik Subliminal Images v1\.10')
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
# Let the preview strip draw its pictures.
sleep 1.5
shoot "$main" "$out/main-window.png"

# Start a run; the first picture comes two seconds later and stays five.
xdotool windowactivate --sync "$main" key --clearmodifiers alt+s
flash=""
for _ in $(seq 1 80); do
    flash=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$main" | head -n 1 || true)
    [ -n "$flash" ] && break
    sleep 0.1
done
[ -n "$flash" ] || { echo "no flash appeared" >&2; exit 1; }
sleep 0.5
# The whole screen: the flash is a borderless window over the desktop.
import -window root +repage -strip "$work/flash.png"
convert "$work/flash.png" -resize 50% -colors 256 -strip "PNG8:$out/flash.png"
echo "wrote $out/flash.png (the screen, half size)"

# Close the main window: the exit screen takes its place.
wait_for 10 bash -c "! xwininfo -id $flash 2>/dev/null | grep -q IsViewable"
wmctrl -i -c "$main"
exit_screen=""
for _ in $(seq 1 100); do
    exit_screen=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$exit_screen" ] && [ "$exit_screen" != "$main" ] && break
    exit_screen=""
    sleep 0.1
done
[ -n "$exit_screen" ] || { echo "the exit screen did not appear" >&2; exit 1; }
sleep 1
shoot "$exit_screen" "$out/exit-screen.png"

wmctrl -i -c "$exit_screen"
wait_for 10 bash -c "! kill -0 $pid 2>/dev/null" || true

# The main window once more, in German.
LANGUAGE=de XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    "$folder/zorvik-subliminal-images" >/dev/null 2>&1 &
pid=$!
wait_for 20 find_window 'Zorvik Subliminal Images v1\.10' >/dev/null
main=$(find_window 'Zorvik Subliminal Images v1\.10')
[ -n "$main" ] || { echo "the German main window did not appear" >&2; exit 1; }
sleep 1.5
shoot "$main" "$out/main-window-de.png"
