// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QTime>
#include <optional>

class Preferences;

// The hours of the week in which a run may show pictures: on the ticked days,
// from a time to a time in local time. A window whose end is not after its
// start goes on past midnight into the next day (22:00–02:00 on a Monday ends
// on Tuesday); from == to is the whole of each ticked day. Off, it holds back
// nothing. Kept in the settings file's section "schedule".
class ActiveHours
{
public:
    bool enabled = false;
    QList<Qt::DayOfWeek> days = workingDays();
    QTime from = QTime(9, 0);
    QTime to = QTime(17, 0);

    // Whether pictures may be shown at that moment: always when off.
    bool contains(const QDateTime& moment) const;
    // The next moment after this one at which contains() changes; invalid when
    // it never does (off, or no day ticked).
    QDateTime nextBoundary(const QDateTime& moment) const;
    // The first start of the hours at or after moment that is not inside
    // hours already begun; invalid when off or when no day is ticked.
    QDateTime nextStart(const QDateTime& moment) const;

    // A missing, partial or nonsensical section reads as off, with the values
    // above for the dialog; nothing is written while reading.
    static ActiveHours load(const Preferences& preferences);
    void save(Preferences& preferences) const;

    // Monday to Friday.
    static QList<Qt::DayOfWeek> workingDays();
    // "Mon,Tue"; nothing when a name is unknown or the list empty.
    static std::optional<QList<Qt::DayOfWeek>> parseDays(const QString& text);

    bool operator==(const ActiveHours&) const = default;

private:
    struct Span {
        QDateTime start;
        QDateTime end;
    };
    // The windows from the day before moment's to a week after, joined where
    // they touch or overlap, in order.
    QList<Span> spansAround(const QDateTime& moment) const;
};
