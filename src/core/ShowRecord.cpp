// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShowRecord.h"

#include "files/AtomicFile.h"
#include "platform/Timer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

const QString ShowRecord::SaveTimerName = QStringLiteral("recordSaveTimer");

ShowRecord::ShowRecord(QString file, TimerFactory& timers, QObject* parent)
    : QObject(parent), m_file(std::move(file)), m_saveTimer(timers.create(SaveTimerName, this))
{
    m_saveTimer->setInterval(SaveDelayMs);
    connect(m_saveTimer, &Timer::timeout, this, &ShowRecord::save);
}

ShowRecord::~ShowRecord()
{
    save();
}

void ShowRecord::load()
{
    m_days.clear();
    m_pictures.clear();
    m_total = 0;
    QFile file(m_file);
    if (m_file.isEmpty() || !file.exists())
        return;
    QJsonParseError error{};
    QJsonDocument document;
    if (file.size() <= MaxFileBytes && file.open(QIODevice::ReadOnly))
        document = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (!document.isObject() || error.error != QJsonParseError::NoError) {
        // Kept for the user to look at, not overwritten by the next save.
        QFile::remove(m_file + QStringLiteral(".unreadable"));
        QFile::rename(m_file, m_file + QStringLiteral(".unreadable"));
        return;
    }
    const QJsonObject root = document.object();
    m_total = qMax<qint64>(0, root.value(QStringLiteral("total")).toInteger());
    const QJsonObject days = root.value(QStringLiteral("days")).toObject();
    for (auto it = days.begin(); it != days.end(); ++it)
        if (const QDate day = QDate::fromString(it.key(), Qt::ISODate); day.isValid())
            m_days.insert(day, qMax(0, it.value().toInt()));
    const QJsonObject pictures = root.value(QStringLiteral("pictures")).toObject();
    for (auto it = pictures.begin(); it != pictures.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        m_pictures.insert(
            it.key(),
            {qMax(0, entry.value(QStringLiteral("count")).toInt()),
             QDateTime::fromString(entry.value(QStringLiteral("last")).toString(), Qt::ISODate)});
    }
}

void ShowRecord::add(const QString& picture, const QDateTime& when)
{
    ++m_days[when.date()];
    while (m_days.size() > KeptDays)
        m_days.erase(m_days.begin());
    ++m_total;
    Picture& entry = m_pictures[picture];
    ++entry.count;
    entry.last = when;
    m_unsaved = true;
    if (!m_saveTimer->isEnabled())
        m_saveTimer->setEnabled(true);
    emit changed();
}

bool ShowRecord::save()
{
    m_saveTimer->setEnabled(false);
    if (!m_unsaved || m_file.isEmpty())
        return true;
    QJsonObject days;
    for (auto it = m_days.cbegin(); it != m_days.cend(); ++it)
        days.insert(it.key().toString(Qt::ISODate), it.value());
    QJsonObject pictures;
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it)
        pictures.insert(it.key(),
                        QJsonObject{{QStringLiteral("count"), it->count},
                                    {QStringLiteral("last"), it->last.toString(Qt::ISODate)}});
    const QJsonObject root{{QStringLiteral("total"), m_total},
                           {QStringLiteral("days"), days},
                           {QStringLiteral("pictures"), pictures}};
    QString error;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    // Not synced: the record is worth a write a minute, not a wait for the disk.
    AtomicFile file(m_file, AtomicFile::Sync::Never);
    if (!file.open(&error) ||
        !file.write(QJsonDocument(root).toJson(QJsonDocument::Compact), &error) ||
        !file.commit(&error)) {
        qWarning("The record of pictures shown cannot be saved: %s", qPrintable(error));
        return false;
    }
    m_unsaved = false;
    return true;
}

void ShowRecord::clear()
{
    m_saveTimer->setEnabled(false);
    m_days.clear();
    m_pictures.clear();
    m_total = 0;
    m_unsaved = false;
    if (!m_file.isEmpty())
        QFile::remove(m_file);
    emit changed();
}

int ShowRecord::shownInWeekOf(QDate day) const
{
    int shown = 0;
    for (QDate d = day.addDays(1 - day.dayOfWeek()); d <= day; d = d.addDays(1))
        shown += m_days.value(d);
    return shown;
}
