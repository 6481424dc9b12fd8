#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this checkout, without network:
#   scripts/build-deb.sh [--with-tests] [output folder]   (build-deb/ by default)
# writes zorvik-subliminal-images_<version>-1_<arch>.deb there and prints its
# path. The build packages what the checkout holds (committed or not, build
# folders left out) from a copy, so the checkout stays as it was.
# --with-tests also builds the test suite and the benchmarks in the package's
# own build folder, with warnings as errors, and keeps the copy: the second
# line printed is that build folder, where ctest runs the suite against the
# very objects the package ships. The next such build goes on from it.
set -euo pipefail
with_tests=0
[ "${1:-}" = --with-tests ] && { with_tests=1; shift; }
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$source/build-deb}" && cd "${1:-$source/build-deb}" && pwd)
cd "$source"
dpkg-checkbuilddeps

version=$(dpkg-parsechangelog -S Version)
tree=$out/zorvik-subliminal-images-${version%-*}
clean=()
if [ $with_tests = 1 ]; then
    # The sources are copied afresh, with their own times, beside the build
    # folder of the last run, which is kept, and the package is built without
    # cleaning it first: Ninja then compiles only what changed since. A first
    # run, as on a fresh machine, builds everything.
    [ -d "$tree" ] && find "$tree" -mindepth 1 -maxdepth 1 ! -name 'obj-*' -exec rm -rf {} +
    "$source/scripts/forget-make-folders.sh" "$tree"/obj-*
    clean=(--no-pre-clean)
else
    rm -rf "$tree"
fi
mkdir -p "$tree"
# The same folder each time, and the user's compiler cache (debhelper gives the
# build a home of its own), so that a second build takes seconds.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}
if [ $with_tests = 1 ]; then
    # The suite needs an X server and runs outside the package's build.
    export ZORVIK_DEB_CMAKE_OPTIONS="-DZORVIK_WERROR=ON -DZORVIK_BUILD_TESTS=ON -DZORVIK_BUILD_BENCH=ON"
    export DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}"
    # The packages are checked and installed, never published: packed fast
    # (xz's lightest level, 6 s sooner with the debugging symbols' package).
    export DPKG_DEB_COMPRESSOR_LEVEL=1
fi
tar --exclude=./.git --exclude='./build*' --exclude=./Testing --exclude='./obj-*' \
    --exclude=./bench-data --exclude="./${out#"$source"/}" -cf - . | tar -xf - -C "$tree"
(cd "$tree" && dpkg-buildpackage -b -us -uc "${clean[@]}" -j"$(nproc)" >"$out/build.log" 2>&1) \
    || { tail -n 40 "$out/build.log" >&2; echo "build-deb: the build failed, see $out/build.log" >&2; exit 1; }
deb=$out/zorvik-subliminal-images_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[ -f "$deb" ] || { echo "build-deb: no $deb" >&2; exit 1; }
echo "$deb"
if [ $with_tests = 1 ]; then
    echo "$tree/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)"
else
    rm -rf "$tree"
fi
