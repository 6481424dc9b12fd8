// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureListFile.h"

#include "files/ReplaceFile.h"

#include <QFile>

#include <algorithm>

namespace
{

// No file name the system allows is longer (PATH_MAX): a longer line is
// damage, not an entry.
constexpr qsizetype LongestLine = 4096;
constexpr qint64 ReadChunkBytes = 1 << 16;

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Moves past one line end (CR LF counts as one).
qsizetype skipLineEnd(const QString& text, qsizetype i)
{
    if (i < text.size() && text[i] == u'\r') {
        ++i;
        if (i < text.size() && text[i] == u'\n')
            ++i;
    } else if (i < text.size() && text[i] == u'\n') {
        ++i;
    }
    return i;
}

// Moves past the next comma or line end on the current line.
qsizetype skipDelimiter(const QString& text, qsizetype i)
{
    if (i >= text.size())
        return i;
    if (text[i] == u',')
        return i + 1;
    return skipLineEnd(text, i);
}

} // namespace

QStringList PictureListFile::parse(const QByteArray& bytes)
{
    QString text = QString::fromLocal8Bit(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QStringList entries;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        if (i < n && text[i] == u'"') {
            const qsizetype start = ++i;
            // A quote left open ends with its line, so one bad line never
            // swallows the entries after it.
            while (i < n && text[i] != u'"' && !isLineEnd(text[i]))
                ++i;
            entries << text.mid(start, i - start);
            if (i < n && text[i] == u'"')
                ++i;
            while (i < n && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
            i = skipDelimiter(text, i);
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
            entries << text.mid(start, i - start);
            i = skipDelimiter(text, i);
        }
    }
    return entries;
}

QByteArray PictureListFile::serialize(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        bytes += '"';
        bytes += entry.toLocal8Bit();
        bytes += "\"\r\n";
    }
    return bytes;
}

bool PictureListFile::canHold(const QString& entry)
{
    return parse(serialize({entry})) == QStringList{entry};
}

QStringList PictureListFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read a chunk at a time, dropping lines too long to be an entry as they
    // come: a damaged file of huge lines costs neither memory nor much time.
    QByteArray kept;
    QByteArray line;
    bool overlong = false;
    bool afterOverlongCr = false; // its LF belongs to the line skipped
    QByteArray chunk;
    while (!(chunk = file.read(ReadChunkBytes)).isEmpty()) {
        const char* at = chunk.constBegin();
        const char* const end = chunk.constEnd();
        while (at != end) {
            if (afterOverlongCr && *at == '\n')
                ++at;
            afterOverlongCr = false;
            const char* lineEnd =
                std::find_if(at, end, [](char c) { return c == '\r' || c == '\n'; });
            if (!overlong && line.size() + (lineEnd - at) > LongestLine) {
                overlong = true;
                line.clear();
            }
            if (!overlong)
                line.append(at, lineEnd - at);
            at = lineEnd;
            if (at == end)
                break;
            if (!overlong)
                kept += line + *at;
            afterOverlongCr = overlong && *at == '\r';
            line.clear();
            overlong = false;
            ++at;
        }
    }
    if (!overlong)
        kept += line;
    return parse(kept);
}

bool PictureListFile::save(const QString& path, const QStringList& entries, QString* error,
                           ReplaceFile::Links links)
{
    return ReplaceFile::write(path, serialize(entries), error, links);
}

int PictureListFile::removeLeftovers(const QString& path, ReplaceFile::Links links)
{
    return ReplaceFile::removeLeftovers(path, links);
}
