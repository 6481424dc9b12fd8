#include "library/ReplaceFile.h"

#include "library/FileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>

namespace
{

// ".record.txt.saving-" and six letters or digits, as QTemporaryFile fills them in.
QString temporaryPrefix(const QFileInfo& file)
{
    return u'.' + file.fileName() + QStringLiteral(".saving-");
}
constexpr int RandomPart = 6;

// The file's own mode, or for a new file what the user's umask allows, as
// for any file a program makes; not the temporary file's owner-only mode.
mode_t modeFor(const QFileInfo& target)
{
    struct stat existing;
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QFileInfo followLinks(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 32 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file;
}

} // namespace

bool ReplaceFile::write(const QString& path, const QByteArray& bytes, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };

    const QFileInfo target = followLinks(path);
    if (target.isSymLink())
        return fail(tr("%1 leads through too many links").arg(path));
    if (target.isDir())
        return fail(tr("%1 is a folder").arg(target.filePath()));
    if (target.exists() && !target.isWritable())
        return fail(tr("%1 is read-only").arg(target.filePath()));

    QTemporaryFile out(target.absolutePath() + u'/' + temporaryPrefix(target) +
                       QString(RandomPart, u'X'));
    if (!out.open())
        return fail(out.errorString());
    ::fchmod(out.handle(), modeFor(target));

    QString reason;
    if (!FileWrite::all(out.handle(), bytes, &reason) || !FileWrite::sync(out.handle(), &reason) ||
        !FileWrite::renameOver(out.fileName(), target.absoluteFilePath(), &reason))
        return fail(reason);
    out.setAutoRemove(false);
    return true;
}

int ReplaceFile::removeLeftovers(const QString& path)
{
    const QFileInfo target = followLinks(path);
    const QString prefix = temporaryPrefix(target);
    const QDir folder = target.absoluteDir();
    int removed = 0;
    const QStringList names =
        folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (name.size() == prefix.size() + RandomPart && QFile::remove(folder.filePath(name)))
            ++removed;
    return removed;
}
