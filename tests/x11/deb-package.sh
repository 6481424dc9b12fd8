#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user meets it: built, checked (lintian, metainfo, menu
# entry) and installed with apt-get; the installed program started as a new user
# on a private X display adds a picture to that user's data folder, writes its
# autostart entry, and started as the entry says, runs at once; nothing under
# /usr changes. Needs root (apt-get, useradd).
# Usage: deb-package.sh [package file, or the folder to build it in]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
user=zorvik-deb-test home=/home/zorvik-deb-test
data=/home/zorvik-deb-test/.local/share/zorvik-subliminal-images entry=/home/zorvik-deb-test/.config/autostart/zorvik-subliminal-images.desktop
if [ "${1:-}" = --in-session ]; then
    run() { setpriv --reuid=$user --regid=$user --init-groups env -i HOME=$home DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$2" PATH=/usr/bin:/bin "$1" ${3:-} >>"$2/log" 2>&1 & pid=$!; }
    trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' EXIT
    window() { for _ in $(seq 1 300); do w=$(xdotool search $1 --pid $pid --name "$2" | head -n 1)
                   [ -n "$w" ] && echo "$w" && return; sleep 0.1; done; cat "$runtime/log" >&2; return 1; }
    runtime=$2 main='^Zorvik Subliminal Images v1\.10$' dialog='^Orvane Picture Board$'
    run zorvik-subliminal-images "$runtime"
    xdotool windowactivate --sync "$(window --onlyvisible "$main")" key --clearmodifiers alt+a
    xdotool windowactivate --sync "$(window --onlyvisible "$dialog")" sleep 0.5 key ctrl+a type "$home/goal.jpg"
    for _ in $(seq 1 20); do # the first Return may only close the completion list
        xdotool search --onlyvisible --pid $pid --name "$dialog" >/dev/null && xdotool key Return
        grep -qx '"goal.jpg"' $data/record.txt 2>/dev/null && break
        sleep 0.5
    done
    cmp $home/goal.jpg $data/SystemFolder/goal.jpg
    xdotool windowactivate --sync "$(window --onlyvisible "$main")" key --clearmodifiers alt+f sleep 0.5 key w
    for _ in $(seq 1 50); do [ -f $entry ] && break; sleep 0.1; done; desktop-file-validate $entry
    kill $pid && wait $pid || true
    run "$(sed -n 's/^Exec="\(.*\)" --start$/\1/p' $entry)" "$runtime" --start
    for _ in $(seq 1 100); do for id in $(xdotool search --pid $pid --name "$main" 2>/dev/null); do
        xprop -id "$id" WM_STATE 2>/dev/null | grep -q Iconic && exit 0; done; sleep 0.1; done
    echo "--start did not start the run (the main window stayed up)"; exit 1
fi
[ "$(id -u)" -eq 0 ] || { echo "SKIP deb-package: needs root to install the package and add a user"; exit 0; }

[[ "${1:-}" == *.deb ]] && deb=$1 || deb=$("$here/../../scripts/build-deb.sh" "${1:-}" | tail -n 1)
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB; lintian:"
lintian --fail-on error "$deb"
runtime=$(mktemp -d)
trap 'userdel -r $user 2>/dev/null; rm -rf "$runtime"; apt-get purge -y -qq zorvik-subliminal-images >/dev/null' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
appstreamcli validate --no-net /usr/share/metainfo/zorvik-subliminal-images.metainfo.xml
desktop-file-validate /usr/share/applications/zorvik-subliminal-images.desktop
useradd --create-home --home-dir $home $user
convert -size 64x48 xc:red $home/goal.jpg && chown $user: $home/goal.jpg "$runtime" && chmod 700 "$runtime"
touch "$runtime/stamp" # after the installation: what the program writes is newer
"$here/with-x-server.sh" "$0" --in-session "$runtime"
written=$(find /usr -xdev -newer "$runtime/stamp"); [ -z "$written" ] || { echo "written under /usr: $written"; exit 1; }
echo "installed, run as $user: the picture in its data folder, --start from its autostart entry, nothing under /usr"
