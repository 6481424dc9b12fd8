// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureAnimation.h"

#include "pictures/DecodeBudget.h"
#include "pictures/PictureDecoder.h"

#include <QFile>
#include <QImageReader>

namespace
{

// The kind of animation a file starting with these bytes may hold; empty for
// any other.
QByteArray animatedKind(const QByteArray& start)
{
    if (PictureDecoder::isGif(start))
        return "gif";
    if (start.startsWith("RIFF") && start.mid(8, 4) == "WEBP")
        return "webp";
    return {};
}

} // namespace

qint64 PictureAnimation::bytes() const
{
    qint64 total = 0;
    for (const QImage& frame : frames)
        total += frame.sizeInBytes();
    return total;
}

std::shared_ptr<const PictureAnimation> PictureAnimation::decode(const QString& path, QSize size,
                                                                 bool fit, qint64 maxBytes)
{
    QFile file(path);
    if (size.isEmpty() || !PictureDecoder::refusedUnread(QFileInfo(path)).isEmpty() ||
        !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray start = file.read(12);
    const QByteArray kind = animatedKind(start);
    if (kind.isEmpty())
        return {};
    QImageReader::setAllocationLimit(PictureDecoder::AllocationLimitMb);
    file.seek(0);
    QImageReader reader(&file, kind);
    const int count = reader.imageCount();
    if (!reader.supportsAnimation() || count < 2)
        return {};
    const QSize canvas = PictureDecoder::decodedSize(reader, start);
    const qint64 canvasPixels = qint64(canvas.width()) * canvas.height();
    if (fit && !canvas.isEmpty())
        size = canvas.scaled(size, Qt::KeepAspectRatio);
    const qint64 frameBytes = qint64(size.width()) * size.height() * 4;
    if (canvas.isEmpty() || canvasPixels > PictureDecoder::MaxOtherPixels ||
        frameBytes * 2 > maxBytes)
        return {};
    // A frame at full size and its scaled copy, as for a still picture.
    const qint64 need = DecodeBudget::need(canvasPixels * 4 * 2);
    if (need > DecodeBudget::TotalBytes)
        return {};
    const DecodeBudget::Share share(need);

    auto animation = std::make_shared<PictureAnimation>();
    int playedMs = 0;
    while (playedMs < MaxPlayMs && animation->frames.size() < count) {
        const qint64 frames = animation->frames.size() + 1;
        if (frames * frameBytes > maxBytes || frames * canvasPixels > MaxDecodedPixels)
            return {};
        QImage frame = reader.read();
        if (frame.isNull())
            break; // a damaged frame ends the animation where it is
        const int delay = reader.nextImageDelay();
        frame = frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        animation->frames.append(frame.convertToFormat(
            frame.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
        animation->delaysMs.append(delay < MinDelayMs ? FastDelayMs : delay);
        playedMs += animation->delaysMs.last();
    }
    if (animation->frames.size() < 2)
        return {};
    return animation;
}
