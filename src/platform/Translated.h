// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Texts kept as English constants, which code and tests compare as they are,
// are marked with QT_TRANSLATE_NOOP and looked up in the user's language only
// where they are shown.
inline QString translated(const char* context, const QString& english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}
