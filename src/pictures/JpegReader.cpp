// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/JpegReader.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
// clang-format off: jpeglib.h needs stdio's types first
#include <jerror.h>
#include <jpeglib.h>
// clang-format on

namespace
{

struct ErrorHandler {
    jpeg_error_mgr manager; // first: libjpeg's pointer to it points to the whole
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorHandler*>(info->err)->jump, 1);
}

// Warnings about damaged data: what could be decoded is still shown.
void stayQuiet(j_common_ptr) {}

// What libjpeg may take while it reads the header only: its tables and markers.
constexpr long HeaderMemoryBytes = 64L * 1024 * 1024;

struct Request {
    QSize atLeast;
    const JpegReader::Admit* admit = nullptr;
    JpegReader::Result* result = nullptr;
    bool refused = false;
};

qint64 coefficientBytes(jpeg_decompress_struct& info)
{
    if (!jpeg_has_multiple_scans(&info))
        return 0;
    qint64 bytes = 0;
    for (int c = 0; c < info.num_components; ++c)
        bytes += qint64(info.comp_info[c].width_in_blocks) * info.comp_info[c].height_in_blocks *
                 DCTSIZE2 * qint64(sizeof(JCOEF));
    return bytes;
}

void chooseScale(jpeg_decompress_struct& info, QSize atLeast)
{
    for (const unsigned denominator : {8U, 4U, 2U, 1U}) {
        info.scale_num = 1;
        info.scale_denom = denominator;
        jpeg_calc_output_dimensions(&info);
        if (denominator == 1 || (int(info.output_width) >= atLeast.width() &&
                                 int(info.output_height) >= atLeast.height()))
            return;
    }
}

// Adobe's CMYK, stored inverted as nearly every CMYK JPEG is, to RGB in place.
void cmykToRgb(uchar* line, int width)
{
    auto* out = reinterpret_cast<QRgb*>(line);
    for (int x = 0; x < width; ++x) {
        const uchar* in = line + 4 * x;
        const int black = in[3];
        out[x] = qRgb(black * in[0] / 255, black * in[1] / 255, black * in[2] / 255);
    }
}

// Everything libjpeg may leave by a long jump happens here, among plain values
// only, so that the jump skips no destructor.
bool run(jpeg_decompress_struct& info, ErrorHandler& handler, std::FILE* file, Request& request)
{
    if (setjmp(handler.jump))
        return false;
    jpeg_create_decompress(&info);
    // No backing store is built in: beyond this, libjpeg stops with an error.
    info.mem->max_memory_to_use = HeaderMemoryBytes;
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    JpegReader::Header& header = request.result->header;
    header.size = QSize(int(info.image_width), int(info.image_height));
    header.coefficientBytes = coefficientBytes(info);
    const qint64 memoryLimit = (*request.admit)(header);
    if (memoryLimit <= 0) {
        request.refused = true;
        return false;
    }
    info.mem->max_memory_to_use = long(memoryLimit);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
#else
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_XRGB;
#endif
    chooseScale(info, request.atLeast);
    jpeg_start_decompress(&info);
    QImage& image = request.result->image;
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW row = image.scanLine(y);
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return false;
        if (cmyk)
            cmykToRgb(row, image.width());
    }
    return true;
}

} // namespace

JpegReader::Result JpegReader::read(const QString& path, QSize atLeast, const Admit& admit)
{
    Result result;
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        result.failure = Failure::Unreadable;
        result.error = qt_error_string();
        return result;
    }
    jpeg_decompress_struct info{};
    ErrorHandler handler{};
    info.err = jpeg_std_error(&handler.manager);
    handler.manager.error_exit = leave;
    handler.manager.output_message = stayQuiet;
    Request request{atLeast, &admit, &result};
    if (!run(info, handler, file, request)) {
        result.image = QImage();
        if (request.refused) {
            result.failure = Failure::Refused;
        } else {
            result.failure = handler.manager.msg_code == JERR_NO_BACKING_STORE
                                 ? Failure::TooLarge
                                 : Failure::Unreadable;
            char message[JMSG_LENGTH_MAX] = {};
            if (handler.manager.msg_code != 0)
                handler.manager.format_message(reinterpret_cast<j_common_ptr>(&info), message);
            result.error = QString::fromLocal8Bit(message);
        }
    }
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return result;
}

JpegReader::Result JpegReader::read(const QString& path, QSize atLeast, qint64 memoryLimit)
{
    return read(path, atLeast, [memoryLimit](const Header&) { return memoryLimit; });
}
