// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/HeifReader.h"

#include <QFile>

#include <libheif/heif.h>

#include <cstring>
#include <memory>

namespace
{

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};

HeifReader::Result failed(const heif_error& error)
{
    HeifReader::Result result;
    result.failure = error.code == heif_error_Memory_allocation_error ||
                             error.subcode == heif_suberror_Security_limit_exceeded
                         ? HeifReader::Failure::TooLarge
                         : HeifReader::Failure::Unreadable;
    result.error = QString::fromUtf8(error.message);
    return result;
}

// libheif's rows, which may be padded, into a picture of Qt's own.
QImage copied(const heif_image* decoded, bool alpha)
{
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    int stride = 0;
    const uint8_t* rows = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    QImage image(width, height, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (!rows || image.isNull())
        return {};
    const qsizetype rowBytes = qsizetype(width) * (alpha ? 4 : 3);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), rows + qsizetype(y) * stride, size_t(rowBytes));
    return image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied
                                       : QImage::Format_RGB32);
}

} // namespace

bool HeifReader::recognises(const QByteArray& head)
{
    if (head.size() < 12)
        return false;
    return heif_check_filetype(reinterpret_cast<const uint8_t*>(head.constData()),
                               int(head.size())) != heif_filetype_no;
}

HeifReader::Result HeifReader::read(const QString& path, int maxSide,
                                    const std::function<bool(QSize)>& admit)
{
    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context)
        return failed({heif_error_Memory_allocation_error, heif_suberror_Unspecified, ""});
    heif_context_set_maximum_image_size_limit(context.get(), maxSide);
    // Tiles one after another in this thread: the pool around it is the
    // program's parallelism, and one tile at a time keeps memory low.
    heif_context_set_max_decoding_threads(context.get(), 0);
    heif_error error =
        heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr);
    if (error.code != heif_error_Ok)
        return failed(error);

    heif_image_handle* primary = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &primary);
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(primary);
    if (error.code != heif_error_Ok)
        return failed(error);
    const QSize size(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    if (size.isEmpty() || size.width() > maxSide || size.height() > maxSide)
        return failed(
            {heif_error_Memory_allocation_error, heif_suberror_Security_limit_exceeded, ""});
    if (!admit(size)) {
        Result refused;
        refused.failure = Failure::Refused;
        return refused;
    }

    const bool alpha = heif_image_handle_has_alpha_channel(primary) != 0;
    heif_image* decoded = nullptr;
    error = heif_decode_image(primary, &decoded, heif_colorspace_RGB,
                              alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                              nullptr);
    const std::unique_ptr<heif_image, ImageRelease> image(decoded);
    if (error.code != heif_error_Ok)
        return failed(error);
    Result result;
    result.image = copied(decoded, alpha);
    if (result.image.isNull()) {
        result.failure = Failure::TooLarge;
        return result;
    }
    return result;
}
