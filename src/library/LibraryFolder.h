// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The library's place on disk: "record.txt" and the "SystemFolder" of copies,
// both in the program folder.
class LibraryFolder
{
public:
    explicit LibraryFolder(QString programFolder);

    QString programFolder() const { return m_programFolder; }
    QString listFile() const;
    // The user's messages, beside the list.
    QString messagesFile() const;
    QString copiesFolder() const;
    // The names in the copies folder that are the user's own files, not
    // copies: a picture added from the copies folder itself (or from a
    // folder it links to) is listed without being copied onto itself.
    QString originalsFile() const;
    // The copies being placed or removed while the list does not hold them.
    QString pendingFile() const;
    // Held by the one running copy that uses this library (a QLockFile).
    QString lockFile() const;

    // The copy of an entry, or nothing when the entry is not a bare file name
    // or names a link that leads out of the copies folder: such an entry has
    // no copy, and nothing outside the copies folder is read or deleted for it.
    std::optional<QString> copyPath(const QString& entry) const;

    static bool isBareFileName(const QString& entry);

private:
    QString m_programFolder;
};

// Whether anything is at path: a file, a folder, or a link (a dangling one too).
bool somethingAt(const QString& path);
