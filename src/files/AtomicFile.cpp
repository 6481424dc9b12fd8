// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicFile.h"

#include "files/FileWrite.h"
#include "files/SideFiles.h"

AtomicFile::AtomicFile(const QString& target, Sync sync)
    : m_target(target), m_file(SideFiles::temporaryTemplate(target)), m_sync(sync)
{
}

bool AtomicFile::open(QString* error)
{
    if (m_file.open())
        return true;
    if (error)
        *error = m_file.errorString();
    return false;
}

void AtomicFile::setPermissions(QFileDevice::Permissions permissions)
{
    m_file.setPermissions(permissions);
}

bool AtomicFile::write(const QByteArray& bytes, QString* error)
{
    m_synced = false;
    return FileWrite::all(m_file.handle(), bytes, error);
}

bool AtomicFile::sync(QString* error)
{
    m_synced = FileWrite::sync(m_file.handle(), error);
    return m_synced;
}

bool AtomicFile::commit(QString* error)
{
    if (m_sync == Sync::BeforeRename && !m_synced && !sync(error))
        return false;
    if (!FileWrite::renameOver(m_file.fileName(), m_target, error))
        return false;
    m_file.setAutoRemove(false);
    return true;
}
