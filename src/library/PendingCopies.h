// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class LibraryFolder;

// The names in the copies folder whose file this program is about to place
// or remove while the list does not (yet, or any more) hold them, each with
// what tells that very file: its size, modification time and inode. Kept in
// a small file beside the list, so that the start after a kill removes the
// copies it left unlisted, and never a file it did not make: one that is not
// the recorded file any more, or one recorded without these (an older
// version's journal), is left where it is. Safe to use from any thread.
class PendingCopies
{
public:
    explicit PendingCopies(const LibraryFolder& folder);

    // Takes names before their copies are placed. Names whose place holds a
    // file already are left out: that file is not ours.
    void notePlacing(const QStringList& names);
    // Records the copy of a name taken by notePlacing(), still open as fd,
    // just before it is moved into its place. A journal that cannot be
    // written (a read-only folder) is gone without.
    void notePlaced(const QString& name, int fd);
    // Records the listed copy of a name before it goes off the list.
    void noteRemoving(const QString& name);
    // The copies of these names are listed, or gone.
    void done(const QStringList& names);

    // At a start: removes the copies of recorded names that are neither
    // listed nor the user's own files and are still the recorded file, then
    // forgets them all.
    void removeUnlisted(const QStringList& listed, const QSet<QString>& originals);

private:
    struct Identity {
        qint64 size = 0;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        bool operator==(const Identity&) const = default;
    };
    static std::optional<Identity> identityOf(const QString& path);
    QHash<QString, std::optional<Identity>> read() const;
    void save();

    QString m_copiesFolder;
    QString m_file;
    QSet<QString> m_placing;           // taken, not yet placed
    QHash<QString, Identity> m_copies; // placed or being removed
    QMutex m_mutex;
};
