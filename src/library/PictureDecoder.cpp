#include "library/PictureDecoder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

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

} // namespace

DecodedPicture PictureDecoder::decode(const QString& path, const PictureSizes& sizes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure(tr("The file does not exist."));
    if (!info.isFile())
        return failure(tr("It is not a file."));

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(AllocationLimitMb);
    reader.setAutoTransform(true);

    const QByteArray format = reader.format();
    const bool jpeg = format == "jpeg" || format == "jpg";
    if (!jpeg && format != "bmp")
        return failure(reader.canRead() ? tr("It is neither a BMP nor a JPEG picture.")
                                        : tr("It is not a picture that can be read."));

    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return failure(tr("The picture's size cannot be read."));
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (pixels > (jpeg ? MaxJpegPixels : MaxOtherPixels))
        return failure(tr("The picture is too large (%1 × %2 pixels).")
                           .arg(stored.width())
                           .arg(stored.height()));

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
    if (picture.flash.format() != QImage::Format_RGB32 &&
        picture.flash.format() != QImage::Format_ARGB32_Premultiplied)
        picture.flash = picture.flash.convertToFormat(picture.flash.hasAlphaChannel()
                                                          ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    picture.thumbnail =
        picture.flash.scaled(sizes.thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}
