// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>

class Timer;
class TimerFactory;

// How often the pictures were shown: a count for each of the last days (today
// and the week are summed from them), one for all time, and for each picture
// how often and when last. Kept in a file of its own in the user's state
// folder and written in one step a minute after a change at the latest, never
// from the flash itself: a kill loses at most that minute. A file that cannot
// be read is kept aside under another name and the record starts afresh.
class ShowRecord : public QObject
{
    Q_OBJECT
public:
    static const QString SaveTimerName;
    static constexpr int SaveDelayMs = 60'000;
    static constexpr int KeptDays = 62;
    // A record of tens of thousands of pictures is far smaller.
    static constexpr qint64 MaxFileBytes = 8LL * 1024 * 1024;

    struct Picture {
        int count = 0;
        QDateTime last;
    };

    // An empty file name keeps the record in memory only.
    ShowRecord(QString file, TimerFactory& timers, QObject* parent = nullptr);
    ~ShowRecord() override;

    void load();
    void add(const QString& picture, const QDateTime& when);
    // Writes what changed since the last save, at once.
    bool save();
    // Forgets everything, the file too.
    void clear();

    int shownOn(QDate day) const { return m_days.value(day); }
    // Monday to day.
    int shownInWeekOf(QDate day) const;
    qint64 shownInAll() const { return m_total; }
    const QHash<QString, Picture>& pictures() const { return m_pictures; }

signals:
    void changed();

private:
    QString m_file;
    Timer* m_saveTimer;
    QMap<QDate, int> m_days;
    QHash<QString, Picture> m_pictures;
    qint64 m_total = 0;
    bool m_unsaved = false;
};
