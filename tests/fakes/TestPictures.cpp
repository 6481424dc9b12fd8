// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

bool TestPictures::write(const QString& path, const QSize& size, const QColor& colour,
                         const char* format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(QPen(colour.darker(), 3));
    painter.drawLine(0, 0, size.width(), size.height());
    painter.end();
    return image.save(path, format);
}

bool TestPictures::bytes(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray TestPictures::readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
