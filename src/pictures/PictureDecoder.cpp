// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureDecoder.h"

#include "pictures/DecodeBudget.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

namespace
{

QString tr(const char* text)
{
    return QCoreApplication::translate("PictureDecoder", text);
}

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
        return tr("The file does not exist.");
    if (!file.isFile())
        return tr("It is not a file.");
    if (file.size() > MaxFileBytes)
        return tr("At %1 MB, the file is larger than any picture the program can show "
                  "(at most %2 MB).")
            .arg(file.size() >> 20)
            .arg(MaxFileBytes >> 20);
    return {};
}

DecodedPicture PictureDecoder::decode(const QString& path, const PictureSizes& sizes)
{
    if (const QString refused = refusedUnread(QFileInfo(path)); !refused.isEmpty())
        return failure(refused);

    // The limit is one for every reader of the process, not this reader's own.
    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);

    const QByteArray format = reader.format();
    const bool jpeg = format == "jpeg" || format == "jpg";
    if (!jpeg && format != "bmp") {
        DecodedPicture unknown =
            failure(reader.canRead() ? tr("It is neither a BMP nor a JPEG picture.")
                                     : tr("It is not a picture that can be read."));
        unknown.unknownKind = true;
        return unknown;
    }

    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return failure(tr("The picture's size cannot be read."));
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (pixels > (jpeg ? MaxJpegPixels : MaxOtherPixels))
        return failure(tr("The picture is too large (%1 × %2 pixels).")
                           .arg(stored.width())
                           .arg(stored.height()));

    // Large decodes wait for each other; one larger than all of the budget
    // would take memory from everything else, and is refused.
    const qint64 need = DecodeBudget::need(path, pixels, jpeg);
    if (need > DecodeBudget::TotalBytes)
        return failure(tr("The picture is too large to show."));
    const DecodeBudget::Share share(need);

    if (jpeg) {
        // Let the decoder scale down while it decodes; rotated pictures are
        // scaled as stored, so they come out at the flash size once upright.
        QSize target = sizes.flash;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            target.transpose();
        if (target.width() < stored.width() && target.height() < stored.height())
            reader.setScaledSize(target);
    }

    QImage image = reader.read();
    if (image.isNull())
        return failure(reader.errorString());

    DecodedPicture picture;
    picture.flash = image.size() == sizes.flash ? std::move(image)
                                                : image.scaled(sizes.flash, Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation);
    picture.flash = displayFormat(std::move(picture.flash));
    picture.thumbnail =
        picture.flash.scaled(sizes.thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}
