// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DisplaySettings.h"

#include "settings/SettingsSection.h"

QStringList DisplaySettings::intervalItems()
{
    QStringList items{QStringLiteral("2")};
    for (int seconds = 5; seconds <= 120; seconds += 5)
        items << QString::number(seconds);
    return items;
}

QStringList DisplaySettings::durationItems()
{
    return {QStringLiteral("20"),   QStringLiteral("40"),   QStringLiteral("60"),
            QStringLiteral("80"),   QStringLiteral("100"),  QStringLiteral("125"),
            QStringLiteral("150"),  QStringLiteral("200"),  QStringLiteral("500"),
            QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("3000"),
            QStringLiteral("4000"), QStringLiteral("5000")};
}

int DisplaySettings::intervalSeconds() const
{
    return intervalItems().value(interval).toInt();
}

int DisplaySettings::durationMilliseconds() const
{
    return durationItems().value(duration).toInt();
}

namespace
{

const QString Section = QStringLiteral("settings");
const QString IntervalKey = QStringLiteral("DispInterval");
const QString DurationKey = QStringLiteral("DispDuration");
const QString LocationKey = QStringLiteral("DispLocation");
const QString OrderKey = QStringLiteral("DispOrder");

int position(std::optional<int> value, int itemCount)
{
    return value && *value >= 0 && *value < itemCount ? *value : 0;
}

// Any whole number other than 0 picks the second option.
int option(std::optional<int> value)
{
    return value && *value != 0 ? 1 : 0;
}

} // namespace

DisplaySettings DisplaySettings::load(SettingsStore& store, const QString& application)
{
    const SettingsSection section(store, application, Section);
    DisplaySettings settings;
    const QString interval = section.text(IntervalKey);
    if (interval.isEmpty())
        return settings;
    settings.interval =
        position(SettingsSection::wholeNumber(interval), int(intervalItems().size()));
    settings.duration = position(section.number(DurationKey), int(durationItems().size()));
    settings.location = option(section.number(LocationKey));
    settings.order = option(section.number(OrderKey));
    return settings;
}

void DisplaySettings::save(SettingsStore& store, const QString& application) const
{
    SettingsSection section(store, application, Section);
    section.setNumber(IntervalKey, interval);
    section.setNumber(DurationKey, duration);
    section.setNumber(LocationKey, location == 0 ? 0 : 1);
    section.setNumber(OrderKey, order == 0 ? 0 : 1);
}
