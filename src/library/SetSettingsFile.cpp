// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/SetSettingsFile.h"

#include "files/ReplaceFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

SetSettingsFile::SetSettingsFile(QString path) : m_path(std::move(path))
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return;
    if (info.size() > MaxFileBytes) {
        m_error = tr("The settings of a set, %1, are larger than %2 kB; they are not read.")
                      .arg(m_path)
                      .arg(MaxFileBytes >> 10);
        return;
    }
    QFile in(m_path);
    if (!in.open(QIODevice::ReadOnly)) {
        m_error = in.errorString();
        return;
    }
    m_values = parse(in.read(MaxFileBytes + 1));
}

QList<SetSettingsFile::Value> SetSettingsFile::parse(const QByteArray& bytes)
{
    QList<Value> values;
    QString section;
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const QString text = line.trimmed();
        if (text.startsWith(u'[') && text.endsWith(u']')) {
            section = text.mid(1, text.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (section.isEmpty() || equals <= 0 || text.startsWith(u';') || text.startsWith(u'#'))
            continue;
        const QString key = text.left(equals).trimmed();
        const QString value = text.mid(equals + 1).trimmed();
        // A key written twice counts once, as its last line says.
        values.removeIf(
            [&](const Value& each) { return each.section == section && each.key == key; });
        values.append({section, key, value});
    }
    return values;
}

QByteArray SetSettingsFile::serialize(const QList<Value>& values)
{
    QByteArray bytes;
    QString section;
    for (const Value& each : values) {
        if (each.section != section || bytes.isEmpty()) {
            section = each.section;
            if (!bytes.isEmpty())
                bytes += '\n';
            bytes += '[' + section.toUtf8() + "]\n";
        }
        bytes += each.key.toUtf8() + '=' + each.value.toUtf8() + '\n';
    }
    return bytes;
}

QString SetSettingsFile::read(const QString& /*application*/, const QString& section,
                              const QString& key)
{
    for (const Value& each : std::as_const(m_values))
        if (each.section == section && each.key == key)
            return each.value;
    return {};
}

void SetSettingsFile::write(const QString& /*application*/, const QString& section,
                            const QString& key, const QString& value)
{
    if (!m_error.isEmpty() || read({}, section, key) == value)
        return;
    QList<Value> values = m_values;
    values.removeIf([&](const Value& each) { return each.section == section && each.key == key; });
    // Kept by section, so that the file reads as the user's does.
    qsizetype at = values.size();
    for (qsizetype i = values.size() - 1; i >= 0; --i)
        if (values[i].section == section) {
            at = i + 1;
            break;
        }
    values.insert(at, {section, key, value});
    // Kept for this run even when the file cannot take it, so that what the
    // user chose holds until the program ends.
    m_values = values;
    QString error;
    // The set's own file in the program's own folder: never through a link.
    if (!ReplaceFile::write(m_path, serialize(values), &error, ReplaceFile::Links::Refuse))
        qWarning().noquote() << tr("The settings of the set could not be saved: %1").arg(error);
}
