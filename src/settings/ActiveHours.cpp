// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ActiveHours.h"

#include "settings/SettingsSection.h"

#include <QStringList>

namespace
{

const QString SectionName = QStringLiteral("schedule");
const QString TimeFormat = QStringLiteral("HH:mm");

// The English short names, whatever the locale: the file is read everywhere.
const QStringList DayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::optional<QTime> parseTime(const QString& text)
{
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

} // namespace

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

QString ActiveHours::dayNames(const QList<Qt::DayOfWeek>& days)
{
    QStringList names;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        if (days.contains(Qt::DayOfWeek(day)))
            names << DayNames.at(day - 1);
    return names.join(QLatin1Char(','));
}

std::optional<QList<Qt::DayOfWeek>> ActiveHours::parseDays(const QString& text)
{
    QList<Qt::DayOfWeek> days;
    for (const QString& name : text.split(QLatin1Char(','))) {
        const qsizetype index = DayNames.indexOf(name.trimmed());
        if (index < 0)
            return std::nullopt;
        if (!days.contains(Qt::DayOfWeek(index + 1)))
            days << Qt::DayOfWeek(index + 1);
    }
    return days;
}

ActiveHours ActiveHours::load(SettingsStore& store, const QString& application)
{
    const SettingsSection section(store, application, SectionName);
    const auto days = parseDays(section.text(QStringLiteral("Days")));
    const auto from = parseTime(section.text(QStringLiteral("From")));
    const auto to = parseTime(section.text(QStringLiteral("To")));
    if (!days || !from || !to)
        return {};
    ActiveHours hours;
    hours.enabled = section.flag(QStringLiteral("Enabled"), false);
    hours.days = *days;
    hours.from = *from;
    hours.to = *to;
    return hours;
}

void ActiveHours::save(SettingsStore& store, const QString& application) const
{
    SettingsSection section(store, application, SectionName);
    section.setFlag(QStringLiteral("Enabled"), enabled);
    section.setText(QStringLiteral("Days"), dayNames(days));
    section.setText(QStringLiteral("From"), from.toString(TimeFormat));
    section.setText(QStringLiteral("To"), to.toString(TimeFormat));
}
