// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PendingCopies.h"

#include "library/LibraryFolder.h"
#include "library/PictureListFile.h"

#include <QFile>
#include <QFileInfo>

namespace
{

// lstat(): a dangling link counts too.
bool somethingAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

PendingCopies::PendingCopies(const LibraryFolder& folder)
    : m_copiesFolder(folder.copiesFolder()), m_file(folder.pendingFile())
{
}

void PendingCopies::notePlacing(const QStringList& names)
{
    const qsizetype before = m_names.size();
    for (const QString& name : names)
        if (LibraryFolder::isBareFileName(name) &&
            !somethingAt(m_copiesFolder + QLatin1Char('/') + name))
            m_names.insert(name);
    if (m_names.size() != before)
        save();
}

void PendingCopies::noteRemoving(const QString& name)
{
    if (!m_names.contains(name)) {
        m_names.insert(name);
        save();
    }
}

void PendingCopies::done(const QStringList& names)
{
    const qsizetype before = m_names.size();
    for (const QString& name : names)
        m_names.remove(name);
    if (m_names.size() == before)
        return;
    // An empty journal is no file; a name that outlives this is harmless, as
    // long as it stays listed or its copy stays gone.
    if (m_names.isEmpty() && !QFileInfo(m_file).isSymLink())
        QFile::remove(m_file);
    else
        save();
}

void PendingCopies::removeUnlisted(const QStringList& listed, const QSet<QString>& originals)
{
    PictureListFile::removeLeftovers(m_file, ReplaceFile::Links::Refuse);
    if (QFileInfo(m_file).isSymLink()) {
        // Not of this program's making: what it names is not known to be ours.
        qWarning("%s is a link, not the program's own journal: it is left alone, and so are "
                 "the files it leads to.",
                 qPrintable(m_file));
        m_names.clear();
        return;
    }
    const QSet<QString> keep(listed.cbegin(), listed.cend());
    for (const QString& name : PictureListFile::load(m_file))
        if (LibraryFolder::isBareFileName(name) && !keep.contains(name) &&
            !originals.contains(name))
            QFile::remove(m_copiesFolder + QLatin1Char('/') + name);
    QFile::remove(m_file);
    m_names.clear();
}

void PendingCopies::save()
{
    QStringList names(m_names.cbegin(), m_names.cend());
    names.sort();
    QString error;
    if (!PictureListFile::save(m_file, names, &error, ReplaceFile::Links::Refuse) &&
        QFileInfo(m_file).isSymLink())
        qWarning("The copies being added are not recorded: %s", qPrintable(error));
}
