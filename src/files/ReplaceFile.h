// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Replaces a file's content whole or not at all: the new content goes to a
// hidden temporary file beside it, is synced, and is renamed over the file.
// A crash leaves the complete old file, or the complete new one. Where no
// file can be made beside it (a read-only folder holding a writable file),
// the file is rewritten in place instead: every write checked, cut to the new
// length and synced, and the old content put back when that fails part-way;
// only a crash in the middle of that rewrite can leave it torn.
class ReplaceFile
{
    Q_DECLARE_TR_FUNCTIONS(ReplaceFile)

public:
    // Whether a link at the path is followed. Only a link of the user's own
    // making is (a list kept elsewhere); one another account planted in a
    // shared folder could lead to any file of the user's. The program's own
    // bookkeeping files are never written through a link.
    enum class Links { FollowOwn, Refuse };

    // Returns false with a reason when the file was left as it was. A link
    // followed leaves the link and replaces the file it leads to; a link not
    // followed is refused, and neither it nor its target is touched. A file
    // the user made read-only is not replaced.
    static bool write(const QString& path, const QByteArray& bytes, QString* error,
                      Links links = Links::FollowOwn);

    // The rewrite in place on its own; false with a reason when the file
    // keeps (or has been given back) its old content.
    static bool writeInPlace(const QString& path, const QByteArray& bytes, QString* error);

    // Removes the temporary files that writes killed half-way left beside
    // the file. Returns how many.
    static int removeLeftovers(const QString& path, Links links = Links::FollowOwn);
};
