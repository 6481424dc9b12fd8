#include "settings/DisplaySettings.h"

#include "platform/SettingsStore.h"

#include <optional>

const QString DisplaySettings::Section = QStringLiteral("settings");
const QString DisplaySettings::IntervalKey = QStringLiteral("DispInterval");
const QString DisplaySettings::DurationKey = QStringLiteral("DispDuration");
const QString DisplaySettings::LocationKey = QStringLiteral("DispLocation");
const QString DisplaySettings::OrderKey = QStringLiteral("DispOrder");

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

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int position(const QString& text, int itemCount)
{
    const auto value = wholeNumber(text);
    return value && *value >= 0 && *value < itemCount ? *value : 0;
}

// Any whole number other than 0 picks the second option.
int option(const QString& text)
{
    const auto value = wholeNumber(text);
    return value && *value != 0 ? 1 : 0;
}

} // namespace

DisplaySettings DisplaySettings::restore(const Reader& read)
{
    DisplaySettings settings;
    const QString interval = read(IntervalKey);
    if (interval.isEmpty())
        return settings;
    settings.interval = position(interval, int(intervalItems().size()));
    settings.duration = position(read(DurationKey), int(durationItems().size()));
    settings.location = option(read(LocationKey));
    settings.order = option(read(OrderKey));
    return settings;
}

void DisplaySettings::save(const Writer& write) const
{
    write(IntervalKey, QString::number(interval));
    write(DurationKey, QString::number(duration));
    write(LocationKey, QString::number(location == 0 ? 0 : 1));
    write(OrderKey, QString::number(order == 0 ? 0 : 1));
}

DisplaySettings DisplaySettings::restoreFrom(SettingsStore& store, const QString& application)
{
    return restore([&](const QString& key) { return store.read(application, Section, key); });
}

void DisplaySettings::saveTo(SettingsStore& store, const QString& application) const
{
    save([&](const QString& key, const QString& value) {
        store.write(application, Section, key, value);
    });
}
