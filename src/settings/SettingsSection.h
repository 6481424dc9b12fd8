// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class SettingsStore;

// One section of the program's settings file, the one way a setting is read
// and written. Values are kept as text. The readers give nothing for a value
// that is missing or does not parse, so that each setting keeps its own
// fallback.
class SettingsSection
{
public:
    SettingsSection(SettingsStore& store, QString application, QString name);

    // As stored, untrimmed; empty when missing or unreadable.
    QString text(const QString& key) const;
    void setText(const QString& key, const QString& value);

    // A whole number, with spaces around it allowed.
    std::optional<int> number(const QString& key) const;
    void setNumber(const QString& key, int value);
    static std::optional<int> wholeNumber(const QString& text);

    // "1" or "0", with spaces around it allowed; anything else is the fallback.
    bool flag(const QString& key, bool fallback) const;
    void setFlag(const QString& key, bool on);

private:
    SettingsStore& m_store;
    QString m_application;
    QString m_name;
};
