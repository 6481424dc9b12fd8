// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/DecodeBudget.h"

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
// whole blocks. 0 for any other JPEG. Reads the frame header only.
qint64 progressiveCoefficientBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(1024 * 1024);
    const auto at = [&head](qsizetype i) {
        return i < head.size() ? int(uchar(head[i])) : 0;
    };
    for (qsizetype i = 2; i + 4 <= head.size() && at(i) == 0xFF;
         i += 2 + (at(i + 2) << 8 | at(i + 3))) {
        const int marker = at(i + 1);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (marker == 0xDA || (frame && (marker & 0x3) != 0x2))
            return 0; // image data reached, or not a progressive frame
        if (!frame)
            continue;
        const qint64 height = at(i + 5) << 8 | at(i + 6);
        const qint64 width = at(i + 7) << 8 | at(i + 8);
        const int components = at(i + 9);
        int widest = 1;
        int tallest = 1;
        for (int c = 0; c < components; ++c) {
            widest = std::max(widest, at(i + 11 + 3 * c) >> 4);
            tallest = std::max(tallest, at(i + 11 + 3 * c) & 0xF);
        }
        qint64 bytes = 0;
        for (int c = 0; c < components; ++c) {
            const qint64 across = (width * std::max(1, at(i + 11 + 3 * c) >> 4) / widest + 7) / 8;
            const qint64 down = (height * std::max(1, at(i + 11 + 3 * c) & 0xF) / tallest + 7) / 8;
            bytes += across * down * 64 * 2;
        }
        return bytes;
    }
    return 0;
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
