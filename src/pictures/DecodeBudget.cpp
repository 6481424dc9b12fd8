// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/DecodeBudget.h"

#include <QFile>
#include <QSemaphore>

#include <algorithm>

namespace
{

constexpr qint64 UnitBytes = 1024 * 1024;
constexpr qint64 Small = 16 * UnitBytes; // the scaled output and a few rows

QSemaphore& budget()
{
    static QSemaphore units(int(DecodeBudget::TotalBytes / UnitBytes));
    return units;
}

// The coefficients libjpeg keeps for a progressive picture: two bytes for
// each of the 64 in every block of every component, the picture padded to
// whole blocks. 0 for any other JPEG. Reads only the segment headers up to
// the frame header, skipping the rest.
qint64 progressiveCoefficientBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(2) != QByteArray("\xFF\xD8", 2))
        return 0;
    for (;;) {
        const QByteArray header = file.read(4);
        if (header.size() < 4 || uchar(header[0]) != 0xFF)
            return 0;
        const int marker = uchar(header[1]);
        const int length = uchar(header[2]) << 8 | uchar(header[3]);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (length < 2 || marker == 0xDA || (frame && (marker & 0x3) != 0x2))
            return 0; // broken, image data reached, or not a progressive frame
        if (!frame) {
            if (!file.seek(file.pos() + length - 2))
                return 0;
            continue;
        }
        const QByteArray body = file.read(length - 2);
        const auto at = [&body](qsizetype i) {
            return i < body.size() ? int(uchar(body[i])) : 0;
        };
        const qint64 height = at(1) << 8 | at(2);
        const qint64 width = at(3) << 8 | at(4);
        const int components = at(5);
        int widest = 1;
        int tallest = 1;
        for (int c = 0; c < components; ++c) {
            widest = std::max(widest, at(7 + 3 * c) >> 4);
            tallest = std::max(tallest, at(7 + 3 * c) & 0xF);
        }
        qint64 bytes = 0;
        for (int c = 0; c < components; ++c) {
            const qint64 across = (width * std::max(1, at(7 + 3 * c) >> 4) / widest + 7) / 8;
            const qint64 down = (height * std::max(1, at(7 + 3 * c) & 0xF) / tallest + 7) / 8;
            bytes += across * down * 64 * 2;
        }
        return bytes;
    }
}

} // namespace

qint64 DecodeBudget::need(const QString& path, qint64 pixels, bool jpeg)
{
    return Small + (jpeg ? progressiveCoefficientBytes(path) : pixels * 4 * 2);
}

DecodeBudget::Share::Share(qint64 bytes)
    : m_units(
          int(std::clamp<qint64>((bytes + UnitBytes - 1) / UnitBytes, 1, TotalBytes / UnitBytes)))
{
    budget().acquire(m_units);
}

DecodeBudget::Share::~Share()
{
    budget().release(m_units);
}
