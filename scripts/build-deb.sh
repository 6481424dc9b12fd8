#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this checkout, without network:
#   scripts/build-deb.sh [output folder]   (build-deb/ by default)
# writes zorvik-subliminal-images_<version>-1_<arch>.deb there and prints its
# path. The build packages what the checkout holds (committed or not, build
# folders left out) from a copy, so the checkout stays as it was.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$source/build-deb}" && cd "${1:-$source/build-deb}" && pwd)
cd "$source"
dpkg-checkbuilddeps

version=$(dpkg-parsechangelog -S Version)
tree=$out/zorvik-subliminal-images-${version%-*}
rm -rf "$tree"
mkdir -p "$tree"
# The same folder each time, and the user's compiler cache (debhelper gives the
# build a home of its own), so that a second build takes seconds.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}
tar --exclude=./.git --exclude='./build*' --exclude=./Testing --exclude='./obj-*' \
    --exclude=./bench-data --exclude="./${out#"$source"/}" -cf - . | tar -xf - -C "$tree"
(cd "$tree" && dpkg-buildpackage -b -us -uc -j"$(nproc)" >"$out/build.log" 2>&1) \
    || { tail -n 40 "$out/build.log"; echo "build-deb: the build failed, see $out/build.log" >&2; exit 1; }
deb=$out/zorvik-subliminal-images_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[ -f "$deb" ] || { echo "build-deb: no $deb" >&2; exit 1; }
rm -rf "$tree"
echo "$deb"
