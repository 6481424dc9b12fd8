#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test program against a real X server with a window manager. Uses the
# display in ZORVIK_TEST_DISPLAY when the caller started one; otherwise starts
# a private Xvfb with openbox for this test alone.
set -u
if [ -n "${ZORVIK_TEST_DISPLAY:-}" ]; then
    export DISPLAY="$ZORVIK_TEST_DISPLAY"
    unset QT_QPA_PLATFORM
    exec "$@"
fi
# Waits up to 30 s (a loaded machine starts servers slowly) for a command to succeed.
ready() {
    for _ in $(seq 1 600); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}
stop() {
    kill ${wm:-} "$xvfb" 2>/dev/null
    wait ${wm:-} "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
# Xvfb picks a free display itself and names it once it listens.
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
if ! ready test -s "$scratch/display"; then
    echo "with-x-server: Xvfb did not start" >&2
    stop
    exit 1
fi
display=":$(head -n 1 "$scratch/display")"
if ! ready xdpyinfo -display "$display"; then
    echo "with-x-server: Xvfb on $display does not answer" >&2
    stop
    exit 1
fi
export DISPLAY="$display"
unset QT_QPA_PLATFORM
# On a loaded machine openbox now and then ends at start without a word; it
# is started again, up to three times.
for attempt in 1 2 3; do
    openbox --sm-disable >/dev/null 2>"$scratch/openbox.log" &
    wm=$!
    for _ in $(seq 1 600); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break 2
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$wm" 2>/dev/null; then
        echo "with-x-server: openbox does not answer on $display" >&2
        stop
        exit 1
    fi
    wait "$wm" 2>/dev/null
    echo "with-x-server: openbox ended at start on $display (status $?, attempt $attempt)" >&2
    cat "$scratch/openbox.log" >&2
    wm=
done
if [ -z "$wm" ]; then
    stop
    exit 1
fi
"$@"
status=$?
stop
exit $status
