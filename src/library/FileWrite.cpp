#include "library/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool FileWrite::all(int fd, const QByteArray& bytes, QString* error)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int reason = written == 0 ? ENOSPC : errno;
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(reason));
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}
