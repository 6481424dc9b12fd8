// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"

// Keeps each application's values in "<folder>/<application>.conf" (INI form).
// The folder defaults to the user's configuration folder.
class QtSettingsStore final : public SettingsStore
{
public:
    explicit QtSettingsStore(QString folder = {});

    QString read(const QString& application, const QString& section, const QString& key) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

    QString fileFor(const QString& application) const;

private:
    QString m_folder;
};
