// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Per-user store of text values addressed by application name, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // Empty when the value is missing or cannot be read.
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) = 0;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};
