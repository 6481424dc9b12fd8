// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// A set's own display settings, kept beside its list ("sets/<name>.ini") in
// the form of the user's settings file: "[section]" lines, then "key=value"
// lines. Only what the set changed is in it; the rest is the user's. Read
// once when made; every write that changes a value replaces the file whole,
// never through a link.
class SetSettingsFile final : public SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(SetSettingsFile)

public:
    // A few keys; anything larger was not written by the program.
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    struct Value {
        QString section;
        QString key;
        QString value;
    };

    // A missing file holds nothing; one too large or unreadable holds
    // nothing and is named in error().
    explicit SetSettingsFile(QString path);

    const QString& path() const { return m_path; }
    QString error() const { return m_error; }
    const QList<Value>& values() const { return m_values; }

    static QList<Value> parse(const QByteArray& bytes);
    static QByteArray serialize(const QList<Value>& values);

    // SettingsStore: the application is the user's; a set has one.
    QString read(const QString& application, const QString& section, const QString& key) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

private:
    QString m_path;
    QString m_error;
    QList<Value> m_values;
};
