#!/usr/bin/env bash
# The Debian package as a user meets it: builds it, checks it (lintian, the
# metainfo, the menu entry), installs it with apt-get, and starts the installed
# program as a new ordinary user on a private X display. A picture added there
# must land in that user's data folder, and nothing under /usr may change.
# Needs root (apt-get, useradd); skips otherwise. Usage: deb-package.sh [output folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = --in-session ]; then
    # On the display with-x-server.sh made: add a picture as $2 would.
    user=$2 home=$3 runtime=$4
    setpriv --reuid="$user" --regid="$user" --init-groups env -i HOME="$home" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin zorvik-subliminal-images >"$runtime/log" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null; wait $pid' EXIT
    window() { for _ in $(seq 1 300); do xdotool search --onlyvisible --pid $pid --name "$1" && return; sleep 0.1; done; return 1; }
    main=$(window '^Zorvik Subliminal Images v1\.10$') || { cat "$runtime/log"; echo "no main window"; exit 1; }
    xdotool windowactivate --sync "$main" key --clearmodifiers alt+a
    dialog=$(window '^Orvane Picture Board$') || { echo "Add Picture opened no file dialog"; exit 1; }
    xdotool windowactivate --sync "$dialog" type --delay 20 "$home/goal.png"
    data=$home/.local/share/zorvik-subliminal-images
    # The first Return may only close the name's completion list.
    for _ in $(seq 1 30); do
        xdotool search --onlyvisible --pid $pid --name '^Orvane Picture Board$' >/dev/null \
            && xdotool key --clearmodifiers Return
        [ -f "$data/SystemFolder/goal.png" ] && break
        sleep 0.5
    done
    grep -qx '"goal.png"' "$data/record.txt" || { echo "the picture did not land in $data"; exit 1; }
    exit 0
fi
[ "$(id -u)" -eq 0 ] || { echo "SKIP deb-package: needs root to install the package and add a user"; exit 0; }

deb=$("$here/../../scripts/build-deb.sh" "${1:-}" | tail -n 1)
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"
echo "-- lintian"
lintian --fail-on error "$deb"
user=zorvik-deb-test home=/home/zorvik-deb-test runtime=$(mktemp -d)
trap 'userdel -r $user 2>/dev/null; rm -rf "$runtime"; apt-get purge -y -qq zorvik-subliminal-images >/dev/null' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
echo "-- appstreamcli, desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/zorvik-subliminal-images.metainfo.xml
desktop-file-validate /usr/share/applications/zorvik-subliminal-images.desktop
for file in /usr/bin/zorvik-subliminal-images /usr/lib/zorvik-subliminal-images/zorvik-subliminal-images \
    /usr/share/man/man1/zorvik-subliminal-images.1.gz /usr/share/icons/hicolor/scalable/apps/zorvik-subliminal-images.svg; do
    [ -e "$file" ] || { echo "the package has no $file"; exit 1; }
done

useradd --create-home --home-dir "$home" "$user"
chown "$user:" "$runtime" && chmod 700 "$runtime"
convert -size 64x48 xc:red "$home/goal.png" && chown "$user:" "$home/goal.png"
stamp=$runtime/stamp && touch "$stamp"
"$here/with-x-server.sh" "$0" --in-session "$user" "$home" "$runtime"
written=$(find /usr -xdev -newer "$stamp" -print)
[ -z "$written" ] || { echo "the run wrote under /usr:"; echo "$written"; exit 1; }
echo "installed, started as $user, the picture in its data folder, nothing written under /usr"
