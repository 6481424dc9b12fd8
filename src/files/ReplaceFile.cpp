// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ReplaceFile.h"

#include "files/AtomicFile.h"
#include "files/FileWrite.h"
#include "files/SideFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

bool readAll(int fd, QByteArray* content)
{
    content->clear();
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0)
            return true;
        if (got < 0 && errno != EINTR)
            return false;
        if (got > 0)
            content->append(chunk, got);
    }
}

// The umask can only be read by setting it: taken once as the program is
// loaded, before any thread makes a file, for where /proc cannot say.
const mode_t umaskAtStart = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

// Read without changing it: set to 0 even for a moment, a folder that the
// picture store's threads make meanwhile would be open to everyone.
mode_t currentUmask()
{
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    QByteArray status;
    const bool read = fd >= 0 && readAll(fd, &status);
    if (fd >= 0)
        ::close(fd);
    const qsizetype at = read ? status.indexOf("\nUmask:") : -1;
    if (at < 0)
        return umaskAtStart;
    bool ok = false;
    const qsizetype end = status.indexOf('\n', at + 1);
    const uint mask = status.mid(at + 7, end < 0 ? -1 : end - at - 7).trimmed().toUInt(&ok, 8);
    return ok ? mode_t(mask & 0777) : umaskAtStart;
}

// The file's own mode, or for a new file what the user's umask allows, as
// for any file a program makes; not the temporary file's owner-only mode.
mode_t modeFor(const QFileInfo& target)
{
    struct stat existing;
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &existing) == 0)
        return existing.st_mode & 07777;
    return 0666 & ~currentUmask();
}

bool ownLink(const QString& path)
{
    struct stat link;
    return ::lstat(QFile::encodeName(path).constData(), &link) == 0 && S_ISLNK(link.st_mode) &&
           link.st_uid == ::geteuid();
}

// Stops at the first link that is not to be followed, which is then still a link.
QFileInfo followLinks(const QString& path, ReplaceFile::Links links)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 32 && file.isSymLink() && links == ReplaceFile::Links::FollowOwn &&
                        ownLink(file.filePath());
         ++depth)
        file.setFile(file.symLinkTarget());
    return file;
}

} // namespace

bool ReplaceFile::write(const QString& path, const QByteArray& bytes, QString* error, Links links)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };

    const QFileInfo target = followLinks(path, links);
    if (target.isSymLink() && (links == Links::Refuse || !ownLink(target.filePath())))
        return fail(tr("%1 is a link, which the program does not write through: it may lead to "
                       "a file of yours. Remove the link.")
                        .arg(target.filePath()));
    if (target.isSymLink())
        return fail(tr("%1 leads through too many links").arg(path));
    if (target.isDir())
        return fail(tr("%1 is a folder").arg(target.filePath()));
    if (target.exists() && !target.isWritable())
        return fail(tr("%1 is read-only").arg(target.filePath()));

    AtomicFile out(target.absoluteFilePath());
    QString notBeside;
    if (!out.open(&notBeside)) {
        // No new file can be made in the folder (it is read-only, say), but
        // the file itself may still be writable: rewrite it where it is.
        QString reason;
        if (target.exists() && writeInPlace(target.absoluteFilePath(), bytes, &reason))
            return true;
        return fail(reason.isEmpty() ? notBeside : reason);
    }
    ::fchmod(out.handle(), modeFor(target));

    QString reason;
    if (!out.write(bytes, &reason) || !out.commit(&reason))
        return fail(reason);
    return true;
}

bool ReplaceFile::writeInPlace(const QString& path, const QByteArray& bytes, QString* error)
{
    // The links were looked at already: one put there since is not followed.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        if (error)
            *error = FileWrite::systemError(errno);
        return false;
    }
    // The old content, to be put back if the new cannot be written whole.
    QByteArray old;
    if (!readAll(fd, &old)) {
        if (error)
            *error = FileWrite::systemError(errno);
        ::close(fd);
        return false;
    }

    auto rewrite = [fd](const QByteArray& content, QString* reason) {
        if (::lseek(fd, 0, SEEK_SET) != 0) {
            *reason = FileWrite::systemError(errno);
            return false;
        }
        if (!FileWrite::all(fd, content, reason))
            return false;
        if (::ftruncate(fd, content.size()) != 0) {
            *reason = FileWrite::systemError(errno);
            return false;
        }
        return FileWrite::sync(fd, reason);
    };
    QString reason;
    const bool written = rewrite(bytes, &reason);
    if (!written) {
        QString restoreReason;
        // Under a file size limit the old content may not go back whole in
        // one pass, yet what the failed write could not reach is still old.
        QByteArray now;
        if (rewrite(old, &restoreReason) ||
            (::lseek(fd, 0, SEEK_SET) == 0 && readAll(fd, &now) && now == old))
            reason = tr("%1 was kept as it was: %2").arg(path, reason);
        else
            reason = tr("%1 could not be written (%2), nor its old content put back (%3)")
                         .arg(path, reason, restoreReason);
    }
    ::close(fd);
    if (!written && error)
        *error = reason;
    return written;
}

int ReplaceFile::removeLeftovers(const QString& path, Links links)
{
    const QFileInfo target = followLinks(path, links);
    return SideFiles::removeLeftovers(target.absolutePath(),
                                      SideFiles::Leftovers::of(target.fileName()));
}
