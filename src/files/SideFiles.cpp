// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SideFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace
{

const QString Temporary = QStringLiteral(".saving-");
const QString SetAside = QStringLiteral(".kept-");
// Older versions named a copy being made, a file set aside and a cache file
// being written without their target.
const QStringList OldNames{QStringLiteral(".adding-"), QStringLiteral(".kept-"),
                           QStringLiteral(".writing-")};
// The six letters or digits QTemporaryFile puts for "XXXXXX".
constexpr qsizetype RandomPart = 6;
// At most three bytes a character: the side file of a file with the longest
// name the file system allows still fits within its 255 bytes.
constexpr qsizetype LongestTag = 64;

QString tag(const QString& fileName)
{
    QString cut = fileName.left(LongestTag);
    if (cut.size() < fileName.size() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

QString nameTemplate(const QString& target, const QString& kind)
{
    const QFileInfo file(target);
    return file.absolutePath() + QStringLiteral("/.") + tag(file.fileName()) + kind +
           QString(RandomPart, u'X');
}

bool isRandomPart(QStringView part)
{
    return part.size() == RandomPart && std::all_of(part.begin(), part.end(), [](QChar c) {
               return c.unicode() < 128 && c.isLetterOrNumber();
           });
}

// ".<tag><kind>" and the random part, of the given target or of any.
bool isSideFile(const QString& name, const QString& target)
{
    if (name.size() <= RandomPart || !isRandomPart(QStringView(name).last(RandomPart)))
        return false;
    const QStringView stem = QStringView(name).chopped(RandomPart);
    for (const QString& kind : {Temporary, SetAside}) {
        if (stem.size() <= kind.size() + 1 || !stem.startsWith(u'.') || !stem.endsWith(kind))
            continue;
        const QStringView named = stem.sliced(1, stem.size() - 1 - kind.size());
        if (target.isEmpty() || named == tag(target))
            return true;
    }
    return target.isEmpty() && OldNames.contains(stem);
}

} // namespace

QString SideFiles::temporaryTemplate(const QString& target)
{
    return nameTemplate(target, Temporary);
}

QString SideFiles::setAsideTemplate(const QString& target)
{
    return nameTemplate(target, SetAside);
}

int SideFiles::removeLeftovers(const QString& folder, const Leftovers& which)
{
    const QDir dir(folder);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        if (!isSideFile(name, which.target) || which.keep.contains(name))
            continue;
        if (which.minimumAgeSeconds > 0 &&
            file.lastModified().secsTo(now) <= which.minimumAgeSeconds)
            continue;
        if (QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}
