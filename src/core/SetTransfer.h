// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Outcome.h"

#include <QCoreApplication>
#include <QString>

class MessageList;
class PictureLibrary;
class PictureSets;

// A set of pictures taken to another computer as one file, and brought in
// from one (see SetArchive).
class SetTransfer
{
    Q_DECLARE_TR_FUNCTIONS(SetTransfer)

public:
    // Writes the set's list, its own settings and messages, and the copies
    // of its pictures that the list holds, to path.
    static Outcome exportSet(PictureLibrary& library, const PictureSets& sets, const QString& name,
                             const QString& path);

    // The set named after the file (without ".tar.gz"). The whole archive is
    // unpacked and checked in a private folder before anything changes: a
    // picture it names that the library lists already must have the same
    // bytes, and every other must be a picture the library takes; its
    // messages must be messages the user's list can take. Then its new
    // pictures are listed in one change, its messages the user lacks added in
    // another, and the set put in place. On a refusal, nothing changed.
    static Outcome importSet(PictureLibrary& library, MessageList& messages,
                             const PictureSets& sets, const QString& path, QString* name);

    // The set an archive at path would become.
    static QString setNameOf(const QString& path);
};
