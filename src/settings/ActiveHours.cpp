// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ActiveHours.h"

#include "preferences/Preferences.h"

QList<ActiveHours::Span> ActiveHours::spansAround(const QDateTime& moment) const
{
    QList<Span> spans;
    const QDate today = moment.date();
    // Eight days on, so that a single ticked day is found a week later.
    for (QDate day = today.addDays(-1); day <= today.addDays(8); day = day.addDays(1)) {
        if (!days.contains(Qt::DayOfWeek(day.dayOfWeek())))
            continue;
        Span span;
        if (from == to) {
            span = {QDateTime(day, QTime(0, 0)), QDateTime(day.addDays(1), QTime(0, 0))};
        } else {
            span.start = QDateTime(day, from);
            span.end = QDateTime(from < to ? day : day.addDays(1), to);
        }
        if (!spans.isEmpty() && span.start <= spans.last().end)
            spans.last().end = qMax(spans.last().end, span.end);
        else
            spans << span;
    }
    return spans;
}

bool ActiveHours::contains(const QDateTime& moment) const
{
    if (!enabled)
        return true;
    for (const Span& span : spansAround(moment))
        if (span.start <= moment && moment < span.end)
            return true;
    return false;
}

QDateTime ActiveHours::nextBoundary(const QDateTime& moment) const
{
    if (!enabled)
        return {};
    for (const Span& span : spansAround(moment)) {
        if (moment < span.start)
            return span.start;
        if (moment < span.end)
            return span.end;
    }
    return {};
}

QDateTime ActiveHours::nextStart(const QDateTime& moment) const
{
    if (!enabled)
        return {};
    for (const Span& span : spansAround(moment))
        if (moment <= span.start)
            return span.start;
    return {};
}

QList<Qt::DayOfWeek> ActiveHours::workingDays()
{
    // Built one by one: GCC takes a list made from braces here for uninitialised.
    QList<Qt::DayOfWeek> days;
    for (int day = Qt::Monday; day <= Qt::Friday; ++day)
        days << Qt::DayOfWeek(day);
    return days;
}

std::optional<QList<Qt::DayOfWeek>> ActiveHours::parseDays(const QString& text)
{
    return dayList(text);
}

ActiveHours ActiveHours::load(const Preferences& preferences)
{
    if (!preferences.holds(Preference::ActiveDays) || !preferences.holds(Preference::ActiveFrom) ||
        !preferences.holds(Preference::ActiveTo))
        return {};
    ActiveHours hours;
    hours.enabled = preferences.flag(Preference::ActiveHoursEnabled);
    hours.days = preferences.days(Preference::ActiveDays);
    hours.from = preferences.time(Preference::ActiveFrom);
    hours.to = preferences.time(Preference::ActiveTo);
    return hours;
}

void ActiveHours::save(Preferences& preferences) const
{
    preferences.setFlag(Preference::ActiveHoursEnabled, enabled);
    preferences.setDays(Preference::ActiveDays, days);
    preferences.setTime(Preference::ActiveFrom, from);
    preferences.setTime(Preference::ActiveTo, to);
}
