// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/Preferences.h"

#include "platform/SettingsStore.h"

#include <QDebug>
#include <QSet>

namespace
{

// Once per run for each value, however often it is read.
void tellNonsense(const PreferenceKey& key, const QString& text)
{
    static QSet<QString> told;
    const QString line = QStringLiteral("[%1] %2=%3").arg(key.section, key.key, text);
    if (told.contains(line))
        return;
    told.insert(line);
    const QString fallback =
        key.fallback.isEmpty() ? QStringLiteral("nothing") : QLatin1Char('"') + key.fallback + '"';
    qWarning().noquote() << QStringLiteral("Settings file: %1 makes no sense here; %2 is used "
                                           "instead.")
                                .arg(line, fallback);
}

} // namespace

Preferences::Preferences(SettingsStore& store, QString application, QObject* parent)
    : QObject(parent), m_store(store), m_application(std::move(application))
{
}

bool Preferences::isPerSet(Preference preference)
{
    switch (preference) {
    case Preference::DisplayInterval:
    case Preference::DisplayDuration:
    case Preference::DisplayLocation:
    case Preference::DisplayOrder:
    case Preference::IntervalSpread:
    case Preference::LookOpacity:
    case Preference::LookFadeIn:
    case Preference::LookFadeOut:
    case Preference::LookSize:
    case Preference::MessagesFlash:
        return true;
    default:
        return false;
    }
}

SettingsStore& Preferences::storeFor(const PreferenceKey& key) const
{
    return m_setStore && isPerSet(key.preference) ? *m_setStore : m_store;
}

QString Preferences::stored(const PreferenceKey& key) const
{
    if (SettingsStore& store = storeFor(key); &store != &m_store)
        if (QString own = store.read(m_application, key.section, key.key); !own.isEmpty())
            return own;
    return m_store.read(m_application, key.section, key.key);
}

bool Preferences::isStored(Preference preference) const
{
    return !stored(PreferenceKey::of(preference)).isEmpty();
}

bool Preferences::holds(Preference preference) const
{
    const PreferenceKey& key = PreferenceKey::of(preference);
    const QString text = stored(key);
    if (text.isEmpty())
        return false;
    if (!key.normalised(text).isEmpty())
        return true;
    tellNonsense(key, text);
    return false;
}

QString Preferences::value(Preference preference) const
{
    const PreferenceKey& key = PreferenceKey::of(preference);
    const QString text = stored(key);
    if (text.isEmpty())
        return key.fallback;
    QString sensible = key.normalised(text);
    if (!sensible.isEmpty())
        return sensible;
    tellNonsense(key, text);
    return key.fallback;
}

bool Preferences::flag(Preference preference) const
{
    return value(preference) == QLatin1String("1");
}

int Preferences::number(Preference preference) const
{
    return value(preference).toInt();
}

QString Preferences::text(Preference preference) const
{
    return value(preference);
}

QTime Preferences::time(Preference preference) const
{
    return QTime::fromString(value(preference), QStringLiteral("HH:mm"));
}

QDate Preferences::date(Preference preference) const
{
    return QDate::fromString(value(preference), Qt::ISODate);
}

QList<Qt::DayOfWeek> Preferences::days(Preference preference) const
{
    return dayList(value(preference)).value_or(QList<Qt::DayOfWeek>());
}

void Preferences::write(Preference preference, const QString& value)
{
    const PreferenceKey& key = PreferenceKey::of(preference);
    const QString before = stored(key);
    storeFor(key).write(m_application, key.section, key.key, value);
    if (before != value)
        emit changed(preference);
}

void Preferences::setFlag(Preference preference, bool on)
{
    write(preference, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void Preferences::setNumber(Preference preference, int value)
{
    write(preference, QString::number(value));
}

void Preferences::setText(Preference preference, const QString& value)
{
    write(preference, value);
}

void Preferences::setTime(Preference preference, const QTime& time)
{
    write(preference, time.toString(QStringLiteral("HH:mm")));
}

void Preferences::setDate(Preference preference, const QDate& date)
{
    write(preference, date.toString(Qt::ISODate));
}

void Preferences::setDays(Preference preference, const QList<Qt::DayOfWeek>& days)
{
    write(preference, dayNames(days));
}
