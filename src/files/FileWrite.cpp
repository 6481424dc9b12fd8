// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileWrite.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace
{

bool failed(QString* error, int reason)
{
    if (error)
        *error = FileWrite::systemError(reason);
    return false;
}

} // namespace

bool FileWrite::all(int fd, const QByteArray& bytes, QString* error)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return failed(error, written == 0 ? ENOSPC : errno);
        data += written;
        left -= written;
    }
    return true;
}

bool FileWrite::sync(int fd, QString* error)
{
    return ::fsync(fd) == 0 || failed(error, errno);
}

bool FileWrite::renameOver(const QString& from, const QString& to, QString* error)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) ==
               0 ||
           failed(error, errno);
}

QString FileWrite::systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
