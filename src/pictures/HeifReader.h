// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Decodes HEIF pictures (HEIC from phones, AVIF from the web) through libheif:
// the primary picture, turned as the file says, with its transparency.
namespace HeifReader
{

// True when a file's first bytes (at least 12) are those of a HEIF picture.
bool recognises(const QByteArray& head);

enum class Failure { None, Unreadable, TooLarge, Refused };

struct Result {
    QImage image; // RGB32, or ARGB32_Premultiplied with transparency; null on failure
    Failure failure = Failure::None;
    QString error; // libheif's own words for an unreadable file
};

// Reads the picture's size and asks admit whether to decode it; Refused when
// it says no. libheif refuses sides over maxSide by itself.
Result read(const QString& path, int maxSide, const std::function<bool(QSize)>& admit);

} // namespace HeifReader
