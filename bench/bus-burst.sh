#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Burst benchmark: runs the program under a private Xvfb with openbox and a
# private session bus, sends CALLS Toggle calls at once (a script in a loop, a
# key held down) and, meanwhile, reads the Running property every 50 ms as a
# window would be pinged. Reports the time until every call is answered, the
# slowest property read during the burst, the program's CPU time and how its
# memory moved. Then the same for Start with an empty list (each refused).
#
# Usage: bench/bus-burst.sh [build folder]   (default: ./build); CALLS=10000
set -euo pipefail
source "$(dirname "$0")/flash-bench.sh"
bench_setup "$0" "$@"
calls=${CALLS:-10000}

private_session_bus
start_program "$work/run" 0

cpu_ms() { awk '{ print int(($14 + $15) * 1000 / '"$(getconf CLK_TCK)"') }' "/proc/$app_pid/stat"; }
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$app_pid/status"; }

burst() { # burst <method>
    local cpu_before rss_before
    cpu_before=$(cpu_ms) rss_before=$(rss_kb)
    /usr/bin/python3 - "$1" "$calls" <<'PY'
import sys, time
from gi.repository import Gio, GLib
method, count = sys.argv[1], int(sys.argv[2])
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
name, path = "example.zorvik.SubliminalImages", "/example/zorvik/SubliminalImages"
loop = GLib.MainLoop()
left, errors, slowest = count, 0, 0.0
def answered(connection, result):
    global left, errors
    try:
        connection.call_finish(result)
    except GLib.Error:
        errors += 1
    left -= 1
    if left == 0:
        loop.quit()
def ping():
    sent = time.monotonic()
    def back(connection, result):
        global slowest
        slowest = max(slowest, time.monotonic() - sent)
    bus.call(name, path, "org.freedesktop.DBus.Properties", "Get",
             GLib.Variant("(ss)", (name, "Running")), None, 0, 120000, None, back)
    return left > 0
start = time.monotonic()
for _ in range(count):
    bus.call(name, path, name, method, None, None, 0, 600000, None, answered)
GLib.timeout_add(50, ping)
loop.run()
print(f"{count} {method} calls answered in {time.monotonic() - start:.2f} s ({errors} refused); "
      f"slowest property read meanwhile {slowest * 1000:.0f} ms")
PY
    sleep 2 # let the program settle before its memory is read
    echo "  program CPU $(($(cpu_ms) - cpu_before)) ms; memory $rss_before kB before, $(rss_kb) kB after"
}

burst Toggle
stop_program
# Again with an empty list, so that every Start is refused.
: >"$work/run/record.txt"
rm -f "$work/run/SystemFolder/red.bmp"
XDG_CONFIG_HOME=$work/run/config "$work/run/zorvik-subliminal-images" >/dev/null 2>&1 &
app_pid=$!
sleep 3
burst Start
