# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the flash benchmarks (sourced, not run): the program in a folder
# of its own under a private Xvfb with openbox, flashing one red picture,
# watched by flash-observer.
#
#   bench_setup "$0" [build folder]  reruns the calling script under X once;
#                                    sets build, program, observer and work
#   start_program <folder> <duration list position> [interval list position]
#                                    starts it (at a 2 s interval unless told);
#                                    sets app_pid, main
#   observe <log> <observer options...>
#                                    presses Start (then runs after_start, if the
#                                    caller defines it) and logs until the
#                                    observer is done; sets observed_from and
#                                    observed_to
#   stop_program
#   private_session_bus [dbus-daemon options...]
#                                    a dbus-daemon of the bench's own as the
#                                    session bus; sets bus_address
#   start_pipewire / stop_pipewire   a PipeWire daemon of the bench's own,
#                                    under $work/pipewire
# Whatever these start is ended when the bench exits.
bench_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

bench_setup() {
    local script=$1
    build=$(cd "${2:-$bench_here/../build}" && pwd)
    if [ -z "${ZORVIK_BENCH_IN_X:-}" ]; then
        ZORVIK_BENCH_IN_X=1 exec "$bench_here/../tests/x11/with-x-server.sh" "$script" "$build"
    fi
    program=$build/zorvik-subliminal-images
    observer=$build/bench/flash-observer
    local file
    for file in "$program" "$observer"; do
        [ -x "$file" ] || { echo "missing $file: build the project first" >&2; exit 2; }
    done
    work=$(mktemp -d)
    app_pid=""
    bus_pid=""
    pipewire_pid=""
    trap 'stop_program; stop_pipewire; [ -z "$bus_pid" ] || kill "$bus_pid" 2>/dev/null; rm -rf "$work"' EXIT
    mkdir -p "$work/pipewire"
    export PIPEWIRE_RUNTIME_DIR=$work/pipewire # never the desktop's own
}

private_session_bus() {
    {
        read -r bus_address
        read -r bus_pid
    } < <(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 "$@")
    export DBUS_SESSION_BUS_ADDRESS=$bus_address
}

start_pipewire() {
    pipewire -c "$bench_here/../tests/fakes/pipewire.conf" >/dev/null 2>&1 &
    pipewire_pid=$!
    for _ in $(seq 100); do [ -S "$work/pipewire/pipewire-0" ] && break; sleep 0.1; done
}

stop_pipewire() {
    [ -n "${pipewire_pid:-}" ] || return 0
    kill "$pipewire_pid" 2>/dev/null || true
    wait "$pipewire_pid" 2>/dev/null || true
    pipewire_pid=""
}

start_program() {
    local folder=$1 position=$2 interval=${3:-0}
    mkdir -p "$folder/SystemFolder" "$folder/config"
    cp "$program" "$folder/"
    # Exactly the red the observer looks for, which a JPEG's red is not.
    convert -size 64x64 xc:'#ff0000' BMP3:"$folder/SystemFolder/red.bmp"
    printf '"red.bmp"\r\n' >"$folder/record.txt"
    # MESSAGES=1: a message flashed instead, drawn in that red on a box of it.
    [ -z "${MESSAGES:-}" ] || printf 'I keep going.\n' >"$folder/messages.txt"
    # The given interval (position 0 is 2 s) and duration, centre, list order;
    # the other sections already there (what an earlier run learnt, a
    # schedule) are kept.
    local conf=$folder/config/zorvik-subliminal-images.conf learnt=""
    [ -f "$conf" ] && learnt=$(awk '/^\[/ { keep = ($0 != "[settings]") } keep' "$conf")
    printf '[settings]\nDispInterval=%s\nDispDuration=%s\nDispLocation=1\nDispOrder=1\n%s\n' \
        "$interval" "$position" "$learnt" >"$conf"
    [ -z "${MESSAGES:-}" ] || printf '[messages]\nFlash=messages\nColour=#ff0000\nEdge=none\nBox=1\nBoxColour=#ff0000\n' >>"$conf"

    XDG_CONFIG_HOME=$folder/config "$folder/zorvik-subliminal-images" >/dev/null 2>&1 &
    app_pid=$!
    main=""
    local box
    for _ in $(seq 1 200); do
        # Any message box at start-up is answered with Escape.
        for box in $(xdotool search --name '^Zorvik Subliminal Images$' 2>/dev/null || true); do
            xdotool windowactivate --sync "$box" key Escape 2>/dev/null || true
        done
        main=$(xdotool search --name '^Zorvik Subliminal Images v1.10$' 2>/dev/null | head -n1 || true)
        [ -n "$main" ] && break
        sleep 0.05
    done
    [ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
    sleep 1 # let the picture decode
}

observe() {
    local log=$1 ready
    shift
    local size=()
    [ -z "${MESSAGES:-}" ] || size=(--size any)
    exec 3< <("$observer" --pid "$app_pid" --colour ff0000 "${size[@]}" "$@")
    read -r ready <&3
    [ "$ready" = ready ] || { echo "observer failed" >&2; exit 1; }
    observed_from=$(date +%s.%N)
    xdotool windowactivate --sync "$main" key alt+s
    # A caller's own look at the program just after Start, if it has one.
    if declare -F after_start >/dev/null; then after_start; fi
    cat <&3 >"$log" || true
    exec 3<&-
    observed_to=$(date +%s.%N)
}

stop_program() {
    [ -n "${app_pid:-}" ] || return 0
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}
