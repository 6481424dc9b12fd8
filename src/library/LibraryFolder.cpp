// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryFolder.h"

#include <QDir>
#include <QFileInfo>

LibraryFolder::LibraryFolder(QString programFolder) : m_programFolder(std::move(programFolder))
{
    while (m_programFolder.size() > 1 && m_programFolder.endsWith(QLatin1Char('/')))
        m_programFolder.chop(1);
}

QString LibraryFolder::listFile() const
{
    return m_programFolder + QStringLiteral("/record.txt");
}

QString LibraryFolder::messagesFile() const
{
    return m_programFolder + QStringLiteral("/messages.txt");
}

QString LibraryFolder::copiesFolder() const
{
    return m_programFolder + QStringLiteral("/SystemFolder");
}

QString LibraryFolder::originalsFile() const
{
    return m_programFolder + QStringLiteral("/originals.txt");
}

QString LibraryFolder::pendingFile() const
{
    return m_programFolder + QStringLiteral("/pending.txt");
}

QString LibraryFolder::lockFile() const
{
    return m_programFolder + QStringLiteral("/.library.lock");
}

bool LibraryFolder::isBareFileName(const QString& entry)
{
    return !entry.isEmpty() && entry != QLatin1String(".") && entry != QLatin1String("..") &&
           !entry.contains(QLatin1Char('/')) && !entry.contains(QLatin1Char('\\')) &&
           !entry.contains(QChar(0));
}

std::optional<QString> LibraryFolder::copyPath(const QString& entry) const
{
    if (!isBareFileName(entry))
        return std::nullopt;
    const QString path = copiesFolder() + QLatin1Char('/') + entry;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        const QString folder = QFileInfo(copiesFolder()).canonicalFilePath();
        if (target.isEmpty() || folder.isEmpty() || !target.startsWith(folder + QLatin1Char('/')))
            return std::nullopt;
    }
    return path;
}

bool somethingAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
