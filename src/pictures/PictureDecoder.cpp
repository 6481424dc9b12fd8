// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureDecoder.h"

#include "pictures/DecodeBudget.h"
#include "pictures/HeifReader.h"
#include "pictures/JpegReader.h"
#include "pictures/PngCheck.h"
#include "pictures/SvgCheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QTransform>

#include <optional>

namespace
{

DecodedPicture failure(const QString& reason)
{
    return {QImage(), QImage(), reason};
}

// True when a grid of samples finds only a few colours: a drawing, not a photo.
bool fewColours(const QImage& picture)
{
    constexpr int Samples = 32;
    constexpr int MaxColours = 64;
    QSet<QRgb> seen;
    for (int row = 0; row < Samples; ++row)
        for (int column = 0; column < Samples; ++column) {
            seen.insert(picture.pixel(column * (picture.width() - 1) / (Samples - 1),
                                      row * (picture.height() - 1) / (Samples - 1)));
            if (seen.size() > MaxColours)
                return false;
        }
    return true;
}

QImage displayFormat(QImage image)
{
    if (image.format() == QImage::Format_RGB32 ||
        image.format() == QImage::Format_ARGB32_Premultiplied)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

QByteArray PictureDecoder::compress(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool lossless = picture.hasAlphaChannel() || fewColours(picture);
    if (!picture.save(&buffer, lossless ? "PNG" : "JPEG", lossless ? -1 : 92))
        return {};
    return bytes;
}

QImage PictureDecoder::decompress(const QByteArray& bytes)
{
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes))
        return {};
    return displayFormat(std::move(image));
}

QString PictureDecoder::refusedUnread(const QFileInfo& file)
{
    if (!file.exists())
        return QCoreApplication::translate("PictureDecoder", "The file does not exist.");
    if (!file.isFile())
        return QCoreApplication::translate("PictureDecoder", "It is not a file.");
    if (file.size() > MaxFileBytes)
        return QCoreApplication::translate(
                   "PictureDecoder",
                   "At %1 MB, the file is larger than any picture the program can show "
                   "(at most %2 MB).")
            .arg(file.size() >> 20)
            .arg(MaxFileBytes >> 20);
    return {};
}

namespace
{

// Pictures Qt's readers decode at full size, then scaled here.
bool decodedWhole(const QByteArray& format)
{
    static const QSet<QByteArray> formats{"bmp", "png", "gif", "webp", "tiff", "tif"};
    return formats.contains(format);
}

QByteArray head(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1024) : QByteArray();
}

// Why the file could not be read, in its reader's words when it gave some.
DecodedPicture unreadable(const QString& readerSays = {})
{
    return failure(
        readerSays.isEmpty()
            ? QCoreApplication::translate("PictureDecoder", "It is not a picture that can be read.")
            : readerSays);
}

// Why a file whose kind no reader of this machine knows is not shown: a
// picture whose reader is not installed names the package that adds it.
DecodedPicture unknownKind(const QByteArray& head, bool someReaderKnowsIt)
{
    const auto missing = [](const char* kind, const char* package) {
        return failure(
            QCoreApplication::translate(
                "PictureDecoder", "%1 pictures can be shown once the package %2 is installed.")
                .arg(QLatin1String(kind), QLatin1String(package)));
    };
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return missing("WebP", "qt6-image-formats-plugins");
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return missing("TIFF", "qt6-image-formats-plugins");
    if (head.contains("<svg"))
        return missing("SVG", "libqt6svg6");
    DecodedPicture unknown =
        someReaderKnowsIt
            ? failure(QCoreApplication::translate(
                  "PictureDecoder",
                  "The program does not show pictures of this kind (it shows BMP, JPEG, "
                  "PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures)."))
            : unreadable();
    unknown.unknownKind = true;
    return unknown;
}

DecodedPicture tooLarge()
{
    return failure(
        QCoreApplication::translate("PictureDecoder", "The picture is too large to show."));
}

DecodedPicture tooManyPixels(QSize stored)
{
    return failure(
        QCoreApplication::translate("PictureDecoder", "The picture is too large (%1 × %2 pixels).")
            .arg(stored.width())
            .arg(stored.height()));
}

// The decoded picture at the sizes it is shown at.
DecodedPicture finished(QImage image, const PictureSizes& sizes)
{
    DecodedPicture picture;
    const QSize shown = sizes.flashFor(image.size());
    picture.flash = image.size() == shown
                        ? std::move(image)
                        : image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.flash = displayFormat(std::move(picture.flash));
    picture.thumbnail =
        picture.flash.scaled(sizes.thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

// Turns a picture as its EXIF orientation says: mirrored first, then a
// quarter clockwise.
QImage upright(QImage image, QImageIOHandler::Transformations turn)
{
    if (turn & (QImageIOHandler::TransformationMirror | QImageIOHandler::TransformationFlip))
        image = std::move(image).mirrored(turn & QImageIOHandler::TransformationMirror,
                                          turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

DecodedPicture decodeJpeg(const QString& path, QImageIOHandler::Transformations turn,
                          const PictureSizes& sizes)
{
    using namespace PictureDecoder;
    // Decoded scaled down as stored, so that it comes out at the flash size
    // once upright.
    QSize target = sizes.flash;
    if (turn & QImageIOHandler::TransformationRotate90)
        target.transpose();
    std::optional<DecodeBudget::Share> share;
    bool tooManyPixelsSeen = false;
    JpegReader::Result decoded =
        JpegReader::read(path, target, [&](const JpegReader::Header& header) -> qint64 {
            tooManyPixelsSeen = qint64(header.size.width()) * header.size.height() > MaxJpegPixels;
            // libjpeg holds itself to the share taken, whatever the file turns
            // out to hold beyond its headers.
            const qint64 need = DecodeBudget::need(header.coefficientBytes);
            if (tooManyPixelsSeen || need > DecodeBudget::TotalBytes)
                return 0;
            share.emplace(need);
            return need;
        });
    if (decoded.header.size.isEmpty())
        return failure(
            QCoreApplication::translate("PictureDecoder", "The picture's size cannot be read."));
    if (tooManyPixelsSeen)
        return tooManyPixels(decoded.header.size);
    if (decoded.failure == JpegReader::Failure::TooLarge ||
        decoded.failure == JpegReader::Failure::Refused)
        return tooLarge();
    if (decoded.image.isNull())
        return unreadable(decoded.error);
    return finished(upright(std::move(decoded.image), turn), sizes);
}

DecodedPicture decodeHeif(const QString& path, const PictureSizes& sizes)
{
    using namespace PictureDecoder;
    std::optional<DecodeBudget::Share> share;
    bool tooManyPixelsSeen = false;
    QSize stored;
    HeifReader::Result decoded = HeifReader::read(path, MaxHeifSide, [&](QSize size) {
        stored = size;
        // The decoder's own planes come beside the picture and its scaled copy.
        const qint64 need = DecodeBudget::need(qint64(size.width()) * size.height() * 10);
        tooManyPixelsSeen = qint64(size.width()) * size.height() > MaxOtherPixels;
        if (tooManyPixelsSeen || need > DecodeBudget::TotalBytes)
            return false;
        share.emplace(need);
        return true;
    });
    if (tooManyPixelsSeen)
        return tooManyPixels(stored);
    if (decoded.failure == HeifReader::Failure::TooLarge ||
        decoded.failure == HeifReader::Failure::Refused)
        return tooLarge();
    if (decoded.image.isNull())
        return unreadable(decoded.error);
    return finished(std::move(decoded.image), sizes);
}

DecodedPicture decodeSvg(QImageReader& reader, const QString& path, const PictureSizes& sizes)
{
    if (reader.format() == "svgz")
        return failure(QCoreApplication::translate(
            "PictureDecoder", "Compressed SVG pictures cannot be shown: save the picture as plain "
                              "SVG."));
    switch (SvgCheck::check(path)) {
    case SvgCheck::Verdict::TooComplex:
        return failure(
            QCoreApplication::translate("PictureDecoder", "The drawing is too complex to show."));
    case SvgCheck::Verdict::Unreadable:
        return unreadable();
    case SvgCheck::Verdict::Drawable:
        break;
    }
    // Drawn straight at the flash size, however large its view box says it is.
    const DecodeBudget::Share share(
        DecodeBudget::need(qint64(sizes.flash.width()) * sizes.flash.height() * 8));
    reader.setScaledSize(sizes.flashFor(reader.size()));
    QImage image = reader.read();
    if (image.isNull())
        return failure(reader.errorString());
    return finished(std::move(image), sizes);
}

DecodedPicture decodeWhole(QImageReader& reader, const QByteArray& start, const PictureSizes& sizes)
{
    using namespace PictureDecoder;
    const QSize stored = decodedSize(reader, start);
    if (!stored.isValid() || stored.isEmpty())
        return failure(
            QCoreApplication::translate("PictureDecoder", "The picture's size cannot be read."));
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (pixels > MaxOtherPixels)
        return tooManyPixels(stored);
    // The picture at full size and its scaled copy; Qt's allocation limit
    // stops a reader that finds it larger than its header said.
    const qint64 need = DecodeBudget::need(pixels * 4 * 2);
    if (need > DecodeBudget::TotalBytes)
        return tooLarge();
    const DecodeBudget::Share share(need);
    QImage image = reader.read();
    if (image.isNull())
        return failure(reader.errorString());
    return finished(std::move(image), sizes);
}

} // namespace

bool PictureDecoder::isGif(const QByteArray& start)
{
    return start.startsWith("GIF87a") || start.startsWith("GIF89a");
}

QSize PictureDecoder::decodedSize(const QImageReader& reader, const QByteArray& start)
{
    const QSize size = reader.size();
    if (start.size() < 10 || !isGif(start))
        return size;
    const auto word = [&start](int at) {
        return int(quint8(start.at(at))) | int(quint8(start.at(at + 1))) << 8;
    };
    return size.expandedTo(QSize(word(6), word(8)));
}

DecodedPicture PictureDecoder::decode(const QString& path, const PictureSizes& sizes)
{
    if (const QString refused = refusedUnread(QFileInfo(path)); !refused.isEmpty())
        return failure(refused);

    // Which reader decodes it is judged by the content, never by the name.
    const QByteArray start = head(path);
    if (HeifReader::recognises(start))
        return decodeHeif(path, sizes);

    // The limit is one for every reader of the process, not this reader's own.
    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format == "jpeg" || format == "jpg")
        return decodeJpeg(path, reader.transformation(), sizes);
    if (format == "svg" || format == "svgz")
        return decodeSvg(reader, path, sizes);
    if (format == "png" && !PngCheck::chunksFit(path))
        return failure(QCoreApplication::translate(
            "PictureDecoder", "The file is damaged: a part of it claims more bytes than the file "
                              "holds."));
    if (decodedWhole(format))
        return decodeWhole(reader, start, sizes);
    return unknownKind(start, reader.canRead());
}
