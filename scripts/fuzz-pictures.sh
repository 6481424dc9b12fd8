#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the picture readers' libFuzzer targets with clang and runs each.
#   scripts/fuzz-pictures.sh [seconds per target]   (default 60)
# Targets: fuzz_pictures_jpeg (the JPEG reader), fuzz_pictures_heif (the HEIF
# reader) and fuzz_pictures_all (the whole decode path, any kind, within its
# memory limit). Builds in build-fuzz/; new inputs go to
# build-fuzz/corpus-<target>, crashes to build-fuzz/crash-*.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/fuzz-build.sh fuzz_pictures_jpeg fuzz_pictures_heif fuzz_pictures_all
cd build-fuzz
for reader in jpeg heif all; do
    mkdir -p "corpus-$reader"
    # The decode budget is 512 MB: no single allocation may pass it, nor the
    # process 1 GB. A small quarantine, so that memory the sanitizer holds back
    # to catch use after free does not count as the decoders'. libheif's AV1
    # decoder keeps a small allocation for the life of the process.
    ASAN_OPTIONS=quarantine_size_mb=16 \
    LSAN_OPTIONS=suppressions=../tests/lsan.supp:print_suppressions=0 \
        nice "./tests/fuzz/fuzz_pictures_$reader" -max_total_time="$seconds" -max_len=65536 \
            -malloc_limit_mb=600 -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix=./ \
            "corpus-$reader" ../tests/corpus/pictures
done
