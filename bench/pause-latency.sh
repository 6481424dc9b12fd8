#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pause latency benchmark: runs the program under a private Xvfb with openbox
# and a private dbus-daemon as its session bus, where pause-observer plays the
# desktop's screen saver (org.freedesktop.ScreenSaver). A flash is on the
# screen when each lock comes; pause-observer times, as a second X client, the
# lock signal to the flash window's unmap and the unlock to the next flash
# (against one 2 s interval), then keeps the screen locked for a minute and
# counts the program's CPU ticks. Takes about two minutes.
#
# CAST=1: a screen cast takes the lock's place, on a private PipeWire daemon:
# GNOME Shell's cast node appears (timed from the request that makes it), and
# goes away to unlock.
#
# Usage: bench/pause-latency.sh [build folder]   (default: ./build)
# LOCKS=20 and IDLE_SECONDS=60 change the counts.
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
pause_observer=$build/bench/pause-observer
[ -x "$pause_observer" ] || { echo "missing $pause_observer: build the project first" >&2; exit 2; }
locks=${LOCKS:-20}
idle=${IDLE_SECONDS:-60}

# Both buses point at the private daemon: the lock comes from the fake screen
# saver alone, never from this machine's own desktop or logind.
mkdir -p "$work/bus"
private_session_bus --address="unix:dir=$work/bus"
export DBUS_SYSTEM_BUS_ADDRESS=$bus_address

# The program and the observer share a PipeWire of their own.
cast=${CAST:-0}
[ "$cast" = 1 ] && start_pipewire

# Interval 2 s (position 0); duration 5000 ms (position 13), so that only the
# lock can take a picture away.
start_program "$work/run" 13
exec 3< <("$pause_observer" --pid "$app_pid" --locks "$locks" --interval 2000 \
    --idle "$idle" --timeout $((locks * 4 + idle + 60)) --cast "$cast")
read -r ready <&3
[ "$ready" = ready ] || { echo "pause-observer failed" >&2; exit 1; }
xdotool windowactivate --sync "$main" key alt+s

[ "$cast" = 1 ] && echo "The lock is a screen cast on PipeWire: the cast's node appears, and goes."
echo "Pause latency (Xvfb $(xdpyinfo | awk '/dimensions:/ { print $2 }'), interval 2 s, duration 5 s)"
echo "Goals: lock to unmap p95 under 20 ms; unlock to next flash one interval, error under 10 ms;"
echo "       0 CPU ticks while paused."
grep -v '^lock ' <&3 || true
exec 3<&-
