// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <QStringList>

// One picture of the library, decoded once at the sizes it is shown at.
struct DecodedPicture {
    QImage flash;             // the flash window's size, stretched or fitted
    QImage thumbnail;         // the viewer slot's size, stretched
    QString error;            // why there is no picture; empty on success
    bool unknownKind = false; // the file is no picture of a kind shown, by content

    bool isValid() const { return !flash.isNull(); }
};

struct PictureSizes {
    QSize flash;     // in device pixels
    QSize thumbnail; // in device pixels
    // The flash picture keeps its proportions, as large as fits in flash,
    // instead of being stretched to it.
    bool fitFlash = false;

    // The size a picture of this size is shown at.
    QSize flashFor(QSize stored) const
    {
        return fitFlash && !stored.isEmpty() ? stored.scaled(flash, Qt::KeepAspectRatio) : flash;
    }
};

// Decodes pictures, their kind recognised by content, straight to the sizes
// they are shown at: BMP, JPEG, PNG, GIF, WebP and TIFF through Qt's readers
// (a JPEG through libjpeg, scaled while decoding, within the memory share it
// took), SVG drawn at the flash size, HEIC and AVIF through libheif. EXIF
// orientation is applied, transparency kept, and a picture that claims more
// pixels than can be decoded safely is refused before its pixels are
// allocated. Of an animation, the first frame. Safe to call from any thread.
namespace PictureDecoder
{

inline constexpr qint64 MaxJpegPixels = 250'000'000; // scaled 1:8 while decoding
inline constexpr qint64 MaxOtherPixels = 50'000'000; // decoded at full size
inline constexpr int MaxHeifSide = 16384;
inline constexpr int AllocationLimitMb = 256;
// No picture decoded is a larger file: a JPEG of the most pixels decoded
// takes more than four bytes a pixel only when it is no photo but padding
// (its raw pixels take three), and a BMP takes at most 200 MB. A larger
// file is refused before it is read, let alone copied.
inline constexpr qint64 MaxFileBytes = 1LL << 30;

// The names files of the kinds decoded usually end in.
inline const QStringList Suffixes{"bmp", "jpg",  "jpeg", "png",  "gif",  "webp",
                                  "tif", "tiff", "svg",  "heic", "heif", "avif"};

DecodedPicture decode(const QString& path, const PictureSizes& sizes);

// The size of the picture a reader gives: reader.size(), except for a GIF,
// whose frames are drawn on its logical screen; Qt tells only the first
// frame's size, which a hostile file makes 1 × 1. start: the file's first
// bytes.
QSize decodedSize(const QImageReader& reader, const QByteArray& start);
// Whether a file starting with these bytes is a GIF.
bool isGif(const QByteArray& start);

// Why the file cannot be a picture that is shown, when that is known without
// reading it (it is missing, no file, or too large); empty when it may be.
QString refusedUnread(const QFileInfo& file);

// A decoded picture packed small to be kept in memory or on disk: losslessly
// (PNG) when it has transparency or few colours, as drawings do, where JPEG
// would smear the edges; as a high-quality JPEG when it is photo-like.
QByteArray compress(const QImage& picture);
// The picture compress() packed, in the format decode() gives; null when the
// bytes are no picture.
QImage decompress(const QByteArray& bytes);

} // namespace PictureDecoder
