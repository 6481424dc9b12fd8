// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSettingsStore.h"

#include "platform/HomeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

QtSettingsStore::QtSettingsStore(QString folder) : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = HomeFolder::config();
}

QString QtSettingsStore::fileFor(const QString& application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".conf"));
}

// QSettings waits about half a minute on a lock file that names no process
// (left empty or cut short by a crash) before it takes it as stale; the
// program would freeze that long. A lock of a process that is gone is
// cleared by QSettings itself at once.
static void clearUnreadableLock(const QString& file)
{
    const QString path = file + QStringLiteral(".lock");
    if (!QFileInfo(path).isFile())
        return;
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(path).getLockInfo(&pid, &host, &application))
        QFile::remove(path);
}

static QString settingKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key)
{
    clearUnreadableLock(fileFor(application));
    QSettings settings(fileFor(application), QSettings::IniFormat);
    const QVariant value = settings.value(settingKey(section, key));
    // The INI reader turns a value with commas, as a person writes a list of
    // days by hand, into a list: it is read back as the text it was. Each
    // setting's own reader refuses what does not make sense.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value)
{
    QDir().mkpath(m_folder);
    clearUnreadableLock(fileFor(application));
    QSettings settings(fileFor(application), QSettings::IniFormat);
    settings.setValue(settingKey(section, key), value);
    settings.sync();
}
