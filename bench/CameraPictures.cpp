// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraPictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace
{

constexpr int Distinct = 24;
const QSize CameraSize(4000, 3000);

QString distinctPath(int index, QSize size)
{
    // The first size drawn had no size in its names; they are kept.
    const QString sized = size == CameraSize
                              ? QString()
                              : QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
    return CameraPictures::cache() + QStringLiteral("/distinct%1%2.%3")
                                         .arg(index, 2, 10, QChar('0'))
                                         .arg(sized, CameraPictures::kindOf(index));
}

// Writes the photo in the kind asked for: Qt writes JPEG, PNG, WebP and TIFF;
// ImageMagick (through libheif) HEIC and AVIF, from a JPEG.
bool save(const QImage& photo, const QString& path, const QString& kind)
{
    if (kind != QLatin1String("heic") && kind != QLatin1String("avif"))
        return photo.save(path, kind == QLatin1String("jpg") ? "JPEG" : qPrintable(kind), 90);
    const QString jpeg = path + QStringLiteral(".jpg");
    return photo.save(jpeg, "JPEG", 95) &&
           QProcess::execute(
               QStringLiteral("convert"),
               {jpeg, QStringLiteral("-quality"), QStringLiteral("80"), kind + u':' + path}) == 0 &&
           QFile::remove(jpeg);
}

// A sky, hills, a few blurred shapes and sensor-like noise: enough detail that
// the JPEG is as costly to decode as a real photo.
QImage drawPhoto(int index, QSize size)
{
    QRandomGenerator random(quint32(index + 1));
    QImage image(size, QImage::Format_RGB32);
    const double scale = size.width() / double(CameraSize.width());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv(200 + index * 3 % 40, 120, 250));
    sky.setColorAt(1, QColor::fromHsv(30 + index * 7 % 60, 90, 200));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 60; ++i) {
        const QColor colour = QColor::fromHsv(random.bounded(360), 80 + random.bounded(150),
                                              60 + random.bounded(190), 160);
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(random.bounded(size.width()), random.bounded(size.height())),
                            (50 + random.bounded(600)) * scale, (50 + random.bounded(400)) * scale);
    }
    painter.end();
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = int(random.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + noise, 255), qBound(0, qGreen(p) + noise, 255),
                           qBound(0, qBlue(p) + noise, 255));
        }
    }
    return image;
}

} // namespace

QString CameraPictures::cache()
{
    const QByteArray configured = qgetenv("ZORVIK_BENCH_DATA");
    const QString folder = configured.isEmpty() ? QDir::current().filePath("bench-data")
                                                : QString::fromLocal8Bit(configured);
    QDir().mkpath(folder);
    return folder;
}

QString CameraPictures::kind()
{
    const QString asked = qEnvironmentVariable("ZORVIK_BENCH_KIND");
    return asked.isEmpty() ? QStringLiteral("jpg") : asked;
}

QString CameraPictures::kindOf(int index)
{
    static const QStringList mixed{"jpg", "png", "webp", "tiff", "heic", "avif"};
    return kind() == QLatin1String("mixed") ? mixed.at(index % Distinct % mixed.size()) : kind();
}

QString CameraPictures::picture(int index, QSize size)
{
    const QString path = distinctPath(index % Distinct, size);
    if (!QFile::exists(path)) {
        std::fprintf(stderr, "drawing camera picture %d of %d…\n", index % Distinct + 1, Distinct);
        if (!save(drawPhoto(index % Distinct, size), path + ".part", kindOf(index)))
            std::fprintf(stderr, "the picture could not be written as %s\n",
                         qPrintable(kindOf(index)));
        QFile::rename(path + ".part", path);
    }
    return path;
}

void CameraPictures::place(const QString& source, const QString& target)
{
    QFile::remove(target);
    if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
        QFile::copy(source, target);
}

QStringList CameraPictures::fill(const QString& folder, int count, QSize size)
{
    QDir().mkpath(folder);
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        const QString name = QStringLiteral("camera%1.%2").arg(i, 4, 10, QChar('0')).arg(kindOf(i));
        const QString target = folder + '/' + name;
        if (!QFile::exists(target))
            place(picture(i, size), target);
        names << name;
    }
    return names;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}
