// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The lists the crash helper saves, one per generation, so that a test can
// tell from a file which list it should hold in full.
namespace CrashLists
{

inline QStringList generation(int number)
{
    QStringList list{QStringLiteral("generation %1").arg(number)};
    // From a handful of names to a few thousand, so that some saves take long
    // enough to be cut in the middle.
    const int count = (number * 7919) % 3000;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("  Bild %1 \u00e9t\u00e9 \u4e2d %2.jpg").arg(number).arg(i);
    return list;
}

// The generation a list claims, or -1 when its first entry is not a header.
inline int generationOf(const QStringList& list)
{
    static const QString prefix = QStringLiteral("generation ");
    if (list.isEmpty() || !list.first().startsWith(prefix))
        return -1;
    bool ok = false;
    const int number = list.first().mid(prefix.size()).toInt(&ok);
    return ok ? number : -1;
}

} // namespace CrashLists
