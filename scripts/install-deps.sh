#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run; with
# --tests also what the test suite needs, with --fuzz what the fuzzer needs.
# Installs only what is missing.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev)
if [ "${1:-}" = "--tests" ]; then
    packages+=(xvfb xauth openbox x11-utils xdotool wmctrl clang-format ccache libxcb1-dev
               desktop-file-utils imagemagick fonts-dejavu-core
               # Two monitors on Xorg's dummy driver; a headless Weston with
               # XWayland, driven through AT-SPI (qt6-wayland so that Qt could
               # go native there, and the choice of XWayland is real).
               xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
               weston xwayland qt6-wayland dbus at-spi2-core python3-pyatspi)
elif [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
