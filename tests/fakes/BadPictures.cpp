// SPDX-License-Identifier: GPL-3.0-or-later
#include "BadPictures.h"

#include "pictures/PictureDecoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <malloc.h>

namespace
{

QByteArray encoded(const char* format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

template <typename T> void put(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// A bitmap: file header, 40-byte info header, then extra (masks) and pixels.
QByteArray bitmap(qint32 width, qint32 height, quint16 bits, quint32 compression,
                  const QByteArray& extra, qsizetype pixelBytes)
{
    QByteArray info;
    put<quint32>(info, 40);
    put<qint32>(info, width);
    put<qint32>(info, height);
    put<quint16>(info, 1);
    put<quint16>(info, bits);
    put<quint32>(info, compression);
    put<quint32>(info, quint32(pixelBytes));
    put<qint32>(info, 2835);
    put<qint32>(info, 2835);
    put<quint32>(info, 0);
    put<quint32>(info, 0);
    QByteArray file("BM");
    const quint32 offset = quint32(14 + info.size() + extra.size());
    put<quint32>(file, offset + quint32(pixelBytes));
    put<quint32>(file, 0);
    put<quint32>(file, offset);
    return file + info + extra + QByteArray(pixelBytes, '\x40');
}

QByteArray masks(quint32 red, quint32 green, quint32 blue)
{
    QByteArray bytes;
    put(bytes, red);
    put(bytes, green);
    put(bytes, blue);
    return bytes;
}

} // namespace

QList<BadPictures::File> BadPictures::all()
{
    const QByteArray jpeg = encoded("JPEG", {200, 150});
    // The frame header's height and width say 65,000.
    QByteArray huge = jpeg;
    const qsizetype frame = huge.indexOf("\xFF\xC0");
    for (int i = 5; i <= 8; i += 2) {
        huge[frame + i] = char(0xFD);
        huge[frame + i + 1] = char(0xE8);
    }
    // A progressive frame of 15,000 × 15,000: within the pixel limit, but its
    // coefficients alone would take some 700 MB.
    QByteArray progressive = jpeg;
    const qsizetype start = progressive.indexOf("\xFF\xC0");
    progressive[start + 1] = char(0xC2);
    for (int i = 5; i <= 8; i += 2) {
        progressive[start + i] = char(0x3A);
        progressive[start + i + 1] = char(0x98);
    }
    // The same frame behind a fill byte, which libjpeg skips and a reader of
    // tidy headers does not expect.
    QByteArray filled = progressive;
    filled.insert(start, '\xFF');
    // A GIF whose screen and frame say 65,535 × 65,535.
    const QByteArray gif =
        QByteArray("GIF89a\xFF\xFF\xFF\xFF\0\0\0,\0\0\0\0\xFF\xFF\xFF\xFF\0\x02\x02"
                   "D\x01\0;",
                   29);
    // A GIF of one pixel on a screen of 7,500 × 7,500: Qt's reader says 1 × 1,
    // then draws it on the whole screen.
    const QByteArray screen("GIF89a\x4C\x1D\x4C\x1D\0\0\0,\0\0\0\0\x01\0\x01\0\0\x02\x02"
                            "D\x01\0;",
                            29);
    // Text after the pixels whose chunk claims a gigabyte: libpng would take
    // the gigabyte before finding the few bytes there are.
    QByteArray textPastTheEnd = encoded("PNG", {8, 8});
    textPastTheEnd.insert(textPastTheEnd.size() - 12,
                          QByteArray("\x3F\xFF\xFF\xF0tEXtComment\0hello", 21));
    const QByteArray svg("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 9 9\">");
    QByteArray laughs("<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"lol\">");
    for (char level = 'b'; level <= 'j'; ++level)
        laughs += QByteArray("<!ENTITY ") + level + " \"" +
                  QByteArray("&").append(char(level - 1)).append(';').repeated(10) + "\">";
    laughs += "]>" + svg + "<text>&j;</text></svg>";
    constexpr quint32 BitFields = 3;
    return {
        {QStringLiteral("huge header.jpg"), huge},
        {QStringLiteral("progressive panorama.jpg"), progressive, false, false, 0,
         "too large to show"},
        {QStringLiteral("truncated.jpg"), jpeg.left(jpeg.size() / 3)},
        {QStringLiteral("header only.jpg"), jpeg.left(jpeg.indexOf("\xFF\xDA") + 4)},
        {QStringLiteral("empty.jpg"), QByteArray()},
        {QStringLiteral("fill byte.jpg"), filled},
        {QStringLiteral("icon inside.jpg"), encoded("ICO", {40, 30})},
        {QStringLiteral("huge.gif"), gif},
        {QStringLiteral("huge screen.gif"), screen},
        {QStringLiteral("text past the end.png"), textPastTheEnd, false, false, 0, "damaged"},
        {QStringLiteral("deep.svg"), svg + QByteArray("<g>").repeated(100000) + "</svg>"},
        {QStringLiteral("laughs.svg"), laughs},
        {QStringLiteral("compressed.svg"), QByteArray("\x1F\x8B\x08\0\0\0\0\0", 8)},
        {QStringLiteral("absurd size.bmp"), bitmap(100000, 100000, 24, 0, {}, 64)},
        {QStringLiteral("negative width.bmp"), bitmap(-64, 64, 24, 0, {}, 64)},
        {QStringLiteral("thin and tall.bmp"), bitmap(1, 0x7FFFFFFF, 32, 0, {}, 64)},
        {QStringLiteral("zero masks.bmp"), bitmap(16, 16, 32, BitFields, masks(0, 0, 0), 1024),
         false, true},
        {QStringLiteral("overlapping masks.bmp"),
         bitmap(16, 16, 16, BitFields, masks(0xFFFFFFFF, 0xFFFFFFFF, 0x1), 512), false, true},
        {QStringLiteral("short pixels.bmp"), bitmap(400, 400, 24, 0, {}, 100), false, true},
        {QStringLiteral("folder.jpg"), {}, true},
        // A whole picture, then a gigabyte of nothing: never read, nor copied.
        {QStringLiteral("sparse giant.jpg"), jpeg, false, false, PictureDecoder::MaxFileBytes + 1},
    };
}

bool BadPictures::write(const File& file, const QString& path)
{
    if (file.folder)
        return QDir().mkpath(path);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file.content) == file.content.size() &&
           (file.sparseSize == 0 || out.resize(file.sparseSize));
}

static qint64 statusField(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

qint64 ProcessMemory::peak()
{
    return statusField("VmHWM");
}

qint64 ProcessMemory::resident()
{
    return statusField("VmRSS");
}

qint64 ProcessMemory::heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return qint64((heap.uordblks + heap.hblkhd) / 1024);
}
