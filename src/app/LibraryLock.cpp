// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LibraryLock.h"

#include "library/LibraryFolder.h"

#include <QFile>
#include <QLockFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

LibraryLock::LibraryLock(const LibraryFolder& folder)
    : m_folder(folder.programFolder()), m_lockFile(folder.lockFile())
{
}

LibraryLock::~LibraryLock()
{
    m_olderVersions.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

LibraryLock::Outcome LibraryLock::tryLock()
{
    // Read access is enough for flock(), so a read-only library is locked too.
    m_fd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(m_fd);
        m_fd = -1;
        if (held)
            return Outcome::InUse;
    }
    // QLockFile makes its file without following a link, and removes only
    // the file it made.
    m_olderVersions = std::make_unique<QLockFile>(m_lockFile);
    m_olderVersions->setStaleLockTime(0);
    if (m_olderVersions->tryLock(0))
        return Outcome::Locked;
    if (m_olderVersions->error() == QLockFile::LockFailedError)
        return Outcome::InUse;
    return m_fd >= 0 ? Outcome::Locked : Outcome::Unavailable;
}
