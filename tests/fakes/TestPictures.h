// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Writes small pictures for tests: a solid colour with a diagonal stripe, so
// stretching and orientation can be seen.
namespace TestPictures
{

bool write(const QString& path, const QSize& size, const QColor& colour, const char* format);
inline bool jpeg(const QString& path, QColor colour = Qt::red, QSize size = {160, 120})
{
    return write(path, size, colour, "JPEG");
}
inline bool bmp(const QString& path, QColor colour = Qt::blue, QSize size = {100, 100})
{
    return write(path, size, colour, "BMP");
}
bool bytes(const QString& path, const QByteArray& content);
QByteArray readAll(const QString& path);

} // namespace TestPictures
