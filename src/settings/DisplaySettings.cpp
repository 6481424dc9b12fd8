// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DisplaySettings.h"

#include "preferences/Preferences.h"

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

DisplaySettings DisplaySettings::load(const Preferences& preferences)
{
    DisplaySettings settings;
    if (!preferences.isStored(Preference::DisplayInterval))
        return settings;
    settings.interval = preferences.number(Preference::DisplayInterval);
    settings.duration = preferences.number(Preference::DisplayDuration);
    // Any whole number other than 0 picks the second option.
    settings.location = preferences.number(Preference::DisplayLocation) != 0 ? 1 : 0;
    settings.order = preferences.number(Preference::DisplayOrder) != 0 ? 1 : 0;
    return settings;
}

void DisplaySettings::save(Preferences& preferences) const
{
    preferences.setNumber(Preference::DisplayInterval, interval);
    preferences.setNumber(Preference::DisplayDuration, duration);
    preferences.setNumber(Preference::DisplayLocation, location == 0 ? 0 : 1);
    preferences.setNumber(Preference::DisplayOrder, order == 0 ? 0 : 1);
}
