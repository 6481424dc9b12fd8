#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix, checks the menu entry, starts
# the installed program on the test's X display, closes it, and checks that
# neither the installation nor the run changed the source tree.
# Usage: install-and-start.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

tree_state() { git -C "$source" status --porcelain --untracked-files=all 2>/dev/null || true; }
before=$(tree_state)

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher=$prefix/bin/zorvik-subliminal-images
desktop=$prefix/share/applications/zorvik-subliminal-images.desktop
[ -x "$launcher" ] || { echo "no launcher at $launcher"; exit 1; }
desktop-file-validate "$desktop"
grep -qx "Exec=\"$prefix/lib/zorvik-subliminal-images/zorvik-subliminal-images\"" "$desktop" \
    || { echo "the menu entry does not start the installed program"; exit 1; }
xmllint --noout "$prefix/share/dbus-1/interfaces/example.zorvik.SubliminalImages.xml"
for size in 16 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/zorvik-subliminal-images.png" ] \
        || { echo "no ${size}px icon"; exit 1; }
done

XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime "$launcher" &
pid=$!
found=""
for _ in $(seq 1 200); do
    found=$(xdotool search --onlyvisible --name '^Zorvik Subliminal Images v1\.10$' 2>/dev/null || true)
    [ -n "$found" ] && break
    sleep 0.1
done
[ -n "$found" ] || { echo "the installed program showed no main window"; exit 1; }

# Close whatever the program shows until it has ended.
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    if [ -n "$window" ]; then
        wmctrl -i -c "$window" 2>/dev/null || true
    fi
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the installed program did not end when its windows were closed"
    exit 1
fi
wait "$pid"
pid=""

after=$(tree_state)
[ "$before" = "$after" ] || { echo "the source tree changed:"; diff <(echo "$before") <(echo "$after"); exit 1; }
echo "installed, validated, started and closed from $prefix"
