#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs to build and run; with
# --tests also what the test suite needs, with --fuzz what the fuzzer needs,
# with --package-build what building the Debian package and checking the
# formatting need (the first packages the test command installs, so that the
# build starts while the others are installed). Installs only what is missing.
set -euo pipefail

fuzz_packages=(clang libclang-rt-14-dev)
packages=(cmake make ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
          libxcb-screensaver0-dev libglib2.0-dev libpipewire-0.3-dev
          # The picture readers: libjpeg and libheif of our own, Qt's for WebP, TIFF and SVG.
          libjpeg-dev libheif-dev qt6-image-formats-plugins libqt6svg6
          # A set of pictures exported and imported as one archive.
          libarchive-dev
          # lupdate and lrelease with their CMake functions; Qt's own texts translated.
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
package_build=(ccache clang-format debhelper dpkg-dev fakeroot)
if [ "${1:-}" = "--package-build" ]; then
    packages+=("${package_build[@]}")
elif [ "${1:-}" = "--tests" ]; then
    packages+=("${package_build[@]}" xvfb xauth openbox picom x11-utils xdotool wmctrl clang-tidy
               desktop-file-utils imagemagick fonts-dejavu-core
               # Chinese and Japanese letters, so that their texts are measured as shown.
               fonts-wqy-microhei
               # Private session and system buses; GNOME's settings schemas compiled by tests.
               dbus dbus-daemon x11-xserver-utils libglib2.0-bin
               # Two monitors on Xorg's dummy driver; a headless Weston with
               # XWayland, driven through AT-SPI (qt6-wayland so that Qt could
               # go native there, and the choice of XWayland is real).
               xserver-xorg-core xserver-xorg-video-dummy
               weston xwayland qt6-wayland at-spi2-core python3-pyatspi
               # A private PipeWire daemon, its nodes made with pw-cli and linked with pw-link.
               pipewire pipewire-bin
               # The Debian package checked and installed (tests/x11/deb-package.sh).
               lintian appstream
               # The readers' fuzz targets, which the test command runs briefly.
               "${fuzz_packages[@]}")
elif [ "${1:-}" = "--fuzz" ]; then
    packages+=("${fuzz_packages[@]}")
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
