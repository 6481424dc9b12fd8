// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceIndicator.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

LockFileInstanceIndicator::LockFileInstanceIndicator(const QString& applicationName, QString folder)
{
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QDir().mkpath(folder);
    m_path = QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

LockFileInstanceIndicator::~LockFileInstanceIndicator() = default;

bool LockFileInstanceIndicator::anotherInstanceRunning()
{
    if (m_checked)
        return m_another;
    m_checked = true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock whose process is gone is removed (QLockFile checks the process);
    // a live instance's lock never goes stale with age.
    m_lock->setStaleLockTime(0);
    m_another = !m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError;
    return m_another;
}
