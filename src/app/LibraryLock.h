// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class LibraryFolder;
class QLockFile;

// Held by the one running copy that uses a library, so that two copies never
// save over each other's changes. It is a kernel lock (flock) on the library
// folder itself, held on an open descriptor: deleting or replacing a file in
// the folder cannot release it, and it goes with the process however that
// ends. Older versions take the lock file .library.lock instead, which is
// taken too, so that neither runs on a library the other uses.
class LibraryLock
{
public:
    enum class Outcome {
        Locked,
        InUse,      // another running copy holds it
        Unavailable // no lock can be had here (no such folder yet, say): go on without
    };

    explicit LibraryLock(const LibraryFolder& folder);
    ~LibraryLock();
    LibraryLock(const LibraryLock&) = delete;
    LibraryLock& operator=(const LibraryLock&) = delete;

    Outcome tryLock();

private:
    QString m_folder;
    QString m_lockFile;
    int m_fd = -1;
    std::unique_ptr<QLockFile> m_olderVersions;
};
