#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QtSettingsStore::QtSettingsStore(QString folder) : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString QtSettingsStore::fileFor(const QString& application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".conf"));
}

static QString settingKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key)
{
    QSettings settings(fileFor(application), QSettings::IniFormat);
    const QVariant value = settings.value(settingKey(section, key));
    // A value the INI reader turned into a list (a stray comma) is not ours.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value)
{
    QDir().mkpath(m_folder);
    QSettings settings(fileFor(application), QSettings::IniFormat);
    settings.setValue(settingKey(section, key), value);
    settings.sync();
}
