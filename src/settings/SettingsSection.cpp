// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsSection.h"

#include "platform/SettingsStore.h"

SettingsSection::SettingsSection(SettingsStore& store, QString application, QString name)
    : m_store(store), m_application(std::move(application)), m_name(std::move(name))
{
}

QString SettingsSection::text(const QString& key) const
{
    return m_store.read(m_application, m_name, key);
}

void SettingsSection::setText(const QString& key, const QString& value)
{
    m_store.write(m_application, m_name, key, value);
}

std::optional<int> SettingsSection::number(const QString& key) const
{
    return wholeNumber(text(key));
}

void SettingsSection::setNumber(const QString& key, int value)
{
    setText(key, QString::number(value));
}

std::optional<int> SettingsSection::wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool SettingsSection::flag(const QString& key, bool fallback) const
{
    const QString value = text(key).trimmed();
    if (value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("0"))
        return false;
    return fallback;
}

void SettingsSection::setFlag(const QString& key, bool on)
{
    setText(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}
