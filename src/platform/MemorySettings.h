// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"

#include <QHash>

// Keeps the values for as long as the program runs, where there is no
// folder to keep them in.
class MemorySettings final : public SettingsStore
{
public:
    QString read(const QString& application, const QString& section, const QString& key) override
    {
        return m_values.value(application + u'/' + section + u'/' + key);
    }
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override
    {
        m_values.insert(application + u'/' + section + u'/' + key, value);
    }

private:
    QHash<QString, QString> m_values;
};
