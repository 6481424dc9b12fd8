// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFilter.h"

QStringList FileFilter::toQtFilters(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return filters;
}
