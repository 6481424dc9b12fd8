#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hostile-picture memory benchmark: lists 20 progressive JPEGs of 10,000 ×
# 10,000 pixels (880 kB each; their coefficients take some 300 MB to decode)
# in a fresh program folder with an empty cache, starts the program under a
# private Xvfb, waits until all are prepared, and prints its peak memory.
# With ADD=1 the list starts empty and the 20 are added at once, handed over
# by a second launch on a private session bus, as a drop of them would be.
# KIND picks other hostile pictures, each as large as is still decoded and
# a few kB on disk: png, tiff and webp of 7,000 × 7,000, gif an animation of
# two one-pixel frames on a screen of 7,000 × 7,000 (which the reader draws
# each frame on), svg a drawing whose view box claims 10^9 pixels a side.
#
# Usage: [ADD=1] [KIND=jpeg|png|tiff|webp|gif|svg] bench/hostile-memory.sh [build folder]
#        (default build folder: ./build)
set -euo pipefail
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
if [ -z "${ZORVIK_BENCH_IN_X:-}" ]; then
    ZORVIK_BENCH_IN_X=1 exec "$(dirname "$0")/../tests/x11/with-x-server.sh" "$0" "$build"
fi
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/SystemFolder" "$work/config" "$work/cache"
cp "$build/zorvik-subliminal-images" "$work/"
kind=${KIND:-jpeg}
case $kind in
jpeg) convert -size 10000x10000 xc:red -interlace JPEG -sampling-factor 2x2 "$work/panorama.$kind" ;;
png | tiff | webp) convert -size 7000x7000 xc:red -depth 8 -compress zip "$work/panorama.$kind" ;;
gif)
    frame='\x21\xf9\x04\x00\x32\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00'
    printf "GIF89a\x58\x1b\x58\x1b\x80\x00\x00\xff\x00\x00\x00\x00\xff$frame$frame\x3b" >"$work/panorama.$kind"
    ;;
svg)
    printf '<svg xmlns="http://www.w3.org/2000/svg" width="1000000000" height="1000000000">%s</svg>' \
        '<rect width="1000000000" height="1000000000" fill="red"/>' >"$work/panorama.$kind"
    ;;
*) echo "unknown KIND $kind" >&2; exit 2 ;;
esac
if [ -n "${ADD:-}" ]; then
    read -r address bus_pid < <(dbus-daemon --session --fork --nopidfile --print-address=1 \
        --print-pid=1 | paste -s -d ' ')
    export DBUS_SESSION_BUS_ADDRESS=$address
    trap 'kill "${pid:-}" "$bus_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    mkdir -p "$work/chosen"
fi
chosen=()
for i in $(seq 1 20); do
    if [ -n "${ADD:-}" ]; then
        cp "$work/panorama.$kind" "$work/chosen/panorama $i.$kind"
        chosen+=("$work/chosen/panorama $i.$kind")
    else
        cp "$work/panorama.$kind" "$work/SystemFolder/panorama $i.$kind"
        printf '"panorama %d.%s"\r\n' "$i" "$kind" >>"$work/record.txt"
    fi
done
from=$(date +%s%N)
XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache "$work/zorvik-subliminal-images" \
    >/dev/null 2>&1 &
pid=$!
what=listed
if [ -n "${ADD:-}" ]; then
    what="added at once"
    # Handed over once the program owns its name on the bus.
    until "$work/zorvik-subliminal-images" "${chosen[@]}" 2>/dev/null; do sleep 0.1; done
    until [ "$(grep -c . "$work/record.txt" 2>/dev/null)" = 20 ]; do sleep 0.25; done
else
    until [ "$(find "$work/cache" -type f | wc -l)" -ge 20 ]; do sleep 0.25; done
fi
echo "20 hostile pictures ($kind) $what, prepared in $((($(date +%s%N) - from) / 1000000)) ms;" \
    "peak memory $(awk '/VmHWM/ { print $2, $3 }' "/proc/$pid/status")"
