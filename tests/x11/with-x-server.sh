#!/usr/bin/env bash
# Runs one test program against a real X server with a window manager. Uses the
# display in ZORVIK_TEST_DISPLAY when the caller started one; otherwise starts
# a private Xvfb with openbox for this test alone.
set -u
if [ -n "${ZORVIK_TEST_DISPLAY:-}" ]; then
    export DISPLAY="$ZORVIK_TEST_DISPLAY"
    unset QT_QPA_PLATFORM
    exec "$@"
fi
for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.05
done
export DISPLAY="$display"
unset QT_QPA_PLATFORM
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
    xprop -root -display "$display" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
"$@"
status=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
exit $status
