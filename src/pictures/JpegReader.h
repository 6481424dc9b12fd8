// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Decodes JPEG pictures through libjpeg with a ceiling on the memory libjpeg
// may take. libjpeg itself keeps to it, for every form of JPEG it reads
// (progressive, several scans, arithmetic coding, odd markers), and stops
// cleanly where a picture would need more: the limit does not depend on
// reading the file's headers the way a tidy file writes them.
namespace JpegReader
{

struct Header {
    QSize size; // as stored, before any EXIF turn; empty when unreadable
    // What libjpeg holds besides a few rows while decoding: every
    // coefficient of the picture when it comes in several scans, else 0.
    qint64 coefficientBytes = 0;
};

enum class Failure { None, Unreadable, TooLarge, Refused };

struct Result {
    QImage image; // Format_RGB32; null on failure
    Header header;
    Failure failure = Failure::None;
    QString error; // libjpeg's own words for an unreadable file
};

// Told the header, answers the memory libjpeg may take to decode the
// picture, or 0 to leave it undecoded (Refused).
using Admit = std::function<qint64(const Header&)>;

// Reads the header, asks admit, and decodes at the smallest of libjpeg's
// scales that is at least atLeast in both directions (the stored size when
// atLeast is empty or larger): the file is opened and its header parsed once.
Result read(const QString& path, QSize atLeast, const Admit& admit);
// The same with a fixed ceiling.
Result read(const QString& path, QSize atLeast, qint64 memoryLimit);

} // namespace JpegReader
