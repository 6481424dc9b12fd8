// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer targets for the picture readers (built with -DZORVIK_FUZZ=ON, run
// by scripts/fuzz-pictures.sh): the JPEG reader, the HEIF reader, or the
// whole decode path with its memory limit and the animation frames, as
// FUZZ_READER says.
#include "pictures/HeifReader.h"
#include "pictures/JpegReader.h"
#include "pictures/PictureAnimation.h"
#include "pictures/PictureDecoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir dir(QStringLiteral("/dev/shm/fuzz-pictures-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("input"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    const QSize shown(64, 48);
#if FUZZ_READER == 1
    const JpegReader::Result result = JpegReader::read(path, shown, 64 << 20);
    const bool broken = result.failure == JpegReader::Failure::None && result.image.isNull();
#elif FUZZ_READER == 2
    const HeifReader::Result result = HeifReader::read(path, 4096, [](QSize) { return true; });
    const bool broken = result.failure == HeifReader::Failure::None && result.image.isNull();
#else
    const DecodedPicture result = PictureDecoder::decode(path, {shown, {16, 12}});
    const auto animation = PictureAnimation::decode(path, shown);
    const bool broken =
        (result.isValid() ? result.flash.size() != shown || result.thumbnail.isNull()
                          : result.error.isEmpty()) ||
        (animation &&
         (animation->frames.size() < 2 || animation->frames.size() != animation->delaysMs.size()));
#endif
    if (broken) {
        std::fprintf(stderr, "a reader said it read a picture and gave none, or failed silently\n");
        std::abort();
    }
    return 0;
}
