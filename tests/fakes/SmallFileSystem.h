// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file system of a few hundred KiB (tmpfs) mounted over a folder, to run
// out of room for real. The mount lives in a mount namespace of this
// process's own, so nothing outside sees it and it goes with the process.
// Needs root's CAP_SYS_ADMIN; where that is missing, unavailable() says why.
class SmallFileSystem
{
public:
    SmallFileSystem(const QString& folder, qint64 bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    // Empty when mounted, or the reason it could not be.
    QString unavailable() const { return m_problem; }

    // Fills what room is left with a file of that name; returns its size.
    qint64 fill(const QString& name) const;
    qint64 freeBytes() const;

    // Must run while the process has a single thread: before the
    // application object is made.
    static void enterOwnMountNamespace();

private:
    QString m_folder;
    QString m_problem;
};
