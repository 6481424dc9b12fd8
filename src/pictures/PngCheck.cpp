// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PngCheck.h"

#include <QFile>
#include <QtEndian>

bool PngCheck::chunksFit(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the reader says why it cannot be read
    const qint64 size = file.size();
    const uchar* bytes = file.map(0, size);
    if (bytes == nullptr)
        return true;
    constexpr qint64 Signature = 8;
    constexpr qint64 Frame = 12; // length, type and checksum around each chunk's data
    qint64 at = Signature;
    while (size - at >= Frame) {
        const qint64 length = qFromBigEndian<quint32>(bytes + at);
        if (length > size - at - Frame)
            return false;
        if (qFromBigEndian<quint32>(bytes + at + 4) ==
            quint32('I' << 24 | 'E' << 16 | 'N' << 8 | 'D'))
            return true;
        at += Frame + length;
    }
    return true;
}
