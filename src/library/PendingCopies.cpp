// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PendingCopies.h"

#include "files/ReplaceFile.h"
#include "library/LibraryFolder.h"
#include "library/PictureListFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

namespace
{

// A journal holds a few names at a time; anything larger is not ours.
constexpr qint64 LargestJournal = 16 << 20;

} // namespace

PendingCopies::PendingCopies(const LibraryFolder& folder)
    : m_copiesFolder(folder.copiesFolder()), m_file(folder.pendingFile())
{
}

void PendingCopies::notePlacing(const QStringList& names)
{
    const QMutexLocker lock(&m_mutex);
    for (const QString& name : names)
        if (LibraryFolder::isBareFileName(name) &&
            !somethingAt(m_copiesFolder + QLatin1Char('/') + name))
            m_placing.insert(name);
}

void PendingCopies::notePlaced(const QString& name, int fd)
{
    struct stat file;
    if (::fstat(fd, &file) != 0)
        return;
    const QMutexLocker lock(&m_mutex);
    if (!m_placing.remove(name))
        return;
    m_copies.insert(name, {qint64(file.st_size),
                           qint64(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec,
                           quint64(file.st_ino)});
    save();
}

void PendingCopies::noteRemoving(const QString& name)
{
    const std::optional<Identity> copy = identityOf(m_copiesFolder + QLatin1Char('/') + name);
    const QMutexLocker lock(&m_mutex);
    if (copy && LibraryFolder::isBareFileName(name) && m_copies.value(name) != *copy) {
        m_copies.insert(name, *copy);
        save();
    }
}

void PendingCopies::done(const QStringList& names)
{
    const QMutexLocker lock(&m_mutex);
    const qsizetype before = m_copies.size();
    for (const QString& name : names) {
        m_placing.remove(name);
        m_copies.remove(name);
    }
    if (m_copies.size() == before)
        return;
    // An empty journal is no file; a name that outlives this is harmless, as
    // long as it stays listed or its copy stays gone.
    if (m_copies.isEmpty() && !QFileInfo(m_file).isSymLink())
        QFile::remove(m_file);
    else
        save();
}

void PendingCopies::removeUnlisted(const QStringList& listed, const QSet<QString>& originals)
{
    const QMutexLocker lock(&m_mutex);
    PictureListFile::removeLeftovers(m_file, ReplaceFile::Links::Refuse);
    if (QFileInfo(m_file).isSymLink()) {
        // Not of this program's making: what it names is not known to be ours.
        qWarning("%s is a link, not the program's own journal: it is left alone, and so are "
                 "the files it leads to.",
                 qPrintable(m_file));
        m_copies.clear();
        m_placing.clear();
        return;
    }
    const QSet<QString> keep(listed.cbegin(), listed.cend());
    const QHash<QString, std::optional<Identity>> recorded = read();
    for (auto it = recorded.cbegin(); it != recorded.cend(); ++it) {
        const QString& name = it.key();
        if (!LibraryFolder::isBareFileName(name) || keep.contains(name) || originals.contains(name))
            continue;
        const QString path = m_copiesFolder + QLatin1Char('/') + name;
        const std::optional<Identity> now = identityOf(path);
        if (!now)
            continue; // gone already
        if (!it.value())
            qWarning("%s is named in %s without what tells the copy this program made; it is "
                     "kept, as it may be a file of yours.",
                     qPrintable(path), qPrintable(m_file));
        else if (*it.value() == *now)
            QFile::remove(path);
    }
    QFile::remove(m_file);
    m_copies.clear();
    m_placing.clear();
}

std::optional<PendingCopies::Identity> PendingCopies::identityOf(const QString& path)
{
    struct stat file;
    if (::lstat(QFile::encodeName(path).constData(), &file) != 0 || !S_ISREG(file.st_mode))
        return std::nullopt;
    return Identity{qint64(file.st_size),
                    qint64(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec,
                    quint64(file.st_ino)};
}

// Each line is the name as the list writes it, then the identity: older
// versions wrote the name alone, and read only the name from these lines.
QHash<QString, std::optional<PendingCopies::Identity>> PendingCopies::read() const
{
    QHash<QString, std::optional<Identity>> recorded;
    const int fd = ::open(QFile::encodeName(m_file).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return recorded;
    const QByteArray bytes = file.read(LargestJournal);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QStringList names = PictureListFile::parse(line);
        const qsizetype quote = line.lastIndexOf('"');
        if (names.size() != 1 || !line.startsWith('"') || quote <= 0)
            continue;
        const QList<QByteArray> fields = line.mid(quote + 1).simplified().split(' ');
        bool ok[3] = {};
        const Identity identity{fields.value(0).toLongLong(&ok[0]),
                                fields.value(1).toLongLong(&ok[1]),
                                fields.value(2).toULongLong(&ok[2])};
        if (fields.size() == 3 && ok[0] && ok[1] && ok[2])
            recorded.insert(names.constFirst(), identity);
        else
            recorded.insert(names.constFirst(), std::nullopt);
    }
    return recorded;
}

void PendingCopies::save()
{
    QStringList names = m_copies.keys();
    names.sort();
    QByteArray bytes;
    for (const QString& name : std::as_const(names)) {
        const Identity& copy = m_copies.value(name);
        bytes += PictureListFile::serialize({name}).chopped(2) + ' ' +
                 QByteArray::number(copy.size) + ' ' + QByteArray::number(copy.modifiedNs) + ' ' +
                 QByteArray::number(copy.inode) + "\r\n";
    }
    QString error;
    if (!ReplaceFile::write(m_file, bytes, &error, ReplaceFile::Links::Refuse) &&
        QFileInfo(m_file).isSymLink())
        qWarning("The copies being added are not recorded: %s", qPrintable(error));
}
