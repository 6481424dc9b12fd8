// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class LibraryFolder;

// The names in the copies folder whose file this program is about to place
// or remove while the list does not (yet, or any more) hold them. Kept in a
// small file beside the list, so that the start after a kill removes the
// copies it left unlisted, and never a file it did not make.
class PendingCopies
{
public:
    explicit PendingCopies(const LibraryFolder& folder);

    // Records names before their copies are placed or deleted. Names whose
    // place holds a file already are left out: that file is not ours. A
    // journal that cannot be written (a read-only folder) is gone without.
    void notePlacing(const QStringList& names);
    // Records the name of a listed copy before it goes off the list.
    void noteRemoving(const QString& name);
    // The copies of these names are listed, or gone.
    void done(const QStringList& names);

    // At a start: removes the copies of recorded names that are neither
    // listed nor the user's own files, then forgets them all.
    void removeUnlisted(const QStringList& listed, const QSet<QString>& originals);

private:
    void save();

    QString m_copiesFolder;
    QString m_file;
    QSet<QString> m_names;
};
