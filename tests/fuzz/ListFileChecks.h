// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureListFile.h"

// What must hold for any bytes the list file reader is given: no entry spans
// a line break, there are no more entries than fields, and the entries it can
// keep come back unchanged when written and read again. Returns the first
// broken rule, or an empty text.
inline QString listFileProblem(const QByteArray& bytes)
{
    const QStringList entries = PictureListFile::parse(bytes);
    qsizetype fields = 1;
    for (const char c : bytes)
        fields += c == '\r' || c == '\n' || c == ',';
    if (entries.size() > fields)
        return QStringLiteral("%1 entries from %2 fields").arg(entries.size()).arg(fields);

    QStringList kept;
    for (const QString& entry : entries) {
        if (entry.contains(u'\r') || entry.contains(u'\n'))
            return QStringLiteral("an entry spans a line break");
        if (PictureListFile::canHold(entry))
            kept << entry;
    }
    if (PictureListFile::parse(PictureListFile::serialize(kept)) != kept)
        return QStringLiteral("entries change when written and read again");
    return {};
}
