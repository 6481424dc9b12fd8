// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmallFileSystem.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace
{

QString& namespaceProblem()
{
    static QString problem = QStringLiteral("the test did not ask for a mount namespace");
    return problem;
}

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

void SmallFileSystem::enterOwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        namespaceProblem() = systemError("unshare(CLONE_NEWNS)");
        return;
    }
    // Mounts made from here on stay in this namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        namespaceProblem() = systemError("making / private");
        return;
    }
    namespaceProblem().clear();
}

SmallFileSystem::SmallFileSystem(const QString& folder, qint64 bytes) : m_folder(folder)
{
    m_problem = namespaceProblem();
    if (!m_problem.isEmpty())
        return;
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0)
        m_problem = systemError("mounting a tmpfs");
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_problem.isEmpty())
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

qint64 SmallFileSystem::fill(const QString& name) const
{
    const int fd = ::open(QFile::encodeName(QDir(m_folder).filePath(name)).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return 0;
    const QByteArray block(4096, 'x');
    qint64 written = 0;
    for (;;) {
        const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
        if (n <= 0)
            break;
        written += n;
    }
    ::close(fd);
    return written;
}

qint64 SmallFileSystem::freeBytes() const
{
    struct statvfs info;
    if (::statvfs(QFile::encodeName(m_folder).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}
