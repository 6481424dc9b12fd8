// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/PreferenceKeys.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <climits>

namespace
{

using Type = PreferenceKey::Type;

// The English short names, whatever the locale: the file is read everywhere.
const QStringList DayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QList<PreferenceKey> table()
{
    const QString display = QStringLiteral("settings");
    const QString pause = QStringLiteral("pause");
    const QString schedule = QStringLiteral("schedule");
    const QString messages = QStringLiteral("messages");
    // The list positions of the interval (2 s, 5 s … 120 s) and the duration
    // (20 ms … 5000 ms); any whole number other than 0 picks the second option.
    return {
        {Preference::DisplayInterval, display, "DispInterval", Type::Number, "0", 0, 24},
        {Preference::DisplayDuration, display, "DispDuration", Type::Number, "0", 0, 13},
        {Preference::DisplayLocation, display, "DispLocation", Type::Number, "0", INT_MIN, INT_MAX},
        {Preference::DisplayOrder, display, "DispOrder", Type::Number, "0", INT_MIN, INT_MAX},
        {Preference::ShowPicturesOn,
         "display",
         "ShowPicturesOn",
         Type::Choice,
         "primary",
         0,
         0,
         {"primary", "pointer", "each"}},
        {Preference::PauseWhenLocked, pause, "WhenLocked", Type::Flag, "1"},
        {Preference::PauseWhenFullscreen, pause, "WhenFullscreen", Type::Flag, "1"},
        {Preference::PauseWhenDoNotDisturb, pause, "WhenDoNotDisturb", Type::Flag, "1"},
        {Preference::PauseWhenScreenShared, pause, "WhenScreenShared", Type::Flag, "1"},
        {Preference::PauseWhenInCall, pause, "WhenInCall", Type::Flag, "1"},
        {Preference::IntervalSpread, "interval", "Spread", Type::Number, "0", 0, 100},
        {Preference::KeepRecord, "record", "Keep", Type::Flag, "1"},
        {Preference::KeptShowLatency, "timing", "ShowLatencyMs", Type::Number, "", 0, 100},
        {Preference::ActiveHoursEnabled, schedule, "Enabled", Type::Flag, "0"},
        {Preference::ActiveDays, schedule, "Days", Type::Days, "Mon,Tue,Wed,Thu,Fri"},
        {Preference::ActiveFrom, schedule, "From", Type::Time, "09:00"},
        {Preference::ActiveTo, schedule, "To", Type::Time, "17:00"},
        {Preference::LastReminder, "reminder", "LastReminder", Type::Date, ""},
        {Preference::LookOpacity, "look", "Opacity", Type::Number, "100", 5, 100},
        {Preference::LookFadeIn, "look", "FadeInMs", Type::Number, "0", 0, 500},
        {Preference::LookFadeOut, "look", "FadeOutMs", Type::Number, "0", 0, 500},
        {Preference::LookSize,
         "look",
         "Size",
         Type::Choice,
         "picture",
         0,
         0,
         {"picture", "quarter", "half", "screen"}},
        {Preference::MessagesFlash,
         messages,
         "Flash",
         Type::Choice,
         "pictures",
         0,
         0,
         {"pictures", "messages", "both"}},
        {Preference::MessageFont, messages, "Font", Type::Text, ""},
        {Preference::MessageSize,
         messages,
         "Size",
         Type::Choice,
         "large",
         0,
         0,
         {"small", "medium", "large", "fit"}},
        {Preference::MessageColour, messages, "Colour", Type::Colour, "#ffffff"},
        {Preference::MessageEdge,
         messages,
         "Edge",
         Type::Choice,
         "outline",
         0,
         0,
         {"none", "outline", "shadow"}},
        {Preference::MessageBox, messages, "Box", Type::Flag, "0"},
        {Preference::MessageBoxColour, messages, "BoxColour", Type::Colour, "#202020"},
        {Preference::CurrentSet, "sets", "Current", Type::Text, ""},
    };
}

QString flag(const QString& text)
{
    static const QStringList on = {"1", "true", "yes", "on"};
    static const QStringList off = {"0", "false", "no", "off"};
    if (on.contains(text, Qt::CaseInsensitive))
        return QStringLiteral("1");
    if (off.contains(text, Qt::CaseInsensitive))
        return QStringLiteral("0");
    return {};
}

} // namespace

std::optional<QList<Qt::DayOfWeek>> dayList(const QString& names)
{
    QList<Qt::DayOfWeek> days;
    for (const QString& name : names.split(QLatin1Char(','))) {
        const qsizetype index = DayNames.indexOf(name.trimmed());
        if (index < 0)
            return std::nullopt;
        if (!days.contains(Qt::DayOfWeek(index + 1)))
            days << Qt::DayOfWeek(index + 1);
    }
    return days;
}

QString dayNames(const QList<Qt::DayOfWeek>& days)
{
    QStringList names;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        if (days.contains(Qt::DayOfWeek(day)))
            names << DayNames.at(day - 1);
    return names.join(QLatin1Char(','));
}

QString PreferenceKey::normalised(const QString& stored) const
{
    const QString text = stored.trimmed();
    switch (type) {
    case Type::Flag:
        return flag(text);
    case Type::Number: {
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok && value >= min && value <= max ? QString::number(value) : QString();
    }
    case Type::Choice:
        return choices.contains(text) ? text : QString();
    case Type::Time: {
        const QTime time = QTime::fromString(text, QStringLiteral("H:mm"));
        return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
    }
    case Type::Days: {
        // In the order written: only the days count.
        const auto days = dayList(text);
        return days ? text : QString();
    }
    case Type::Date: {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? date.toString(Qt::ISODate) : QString();
    }
    case Type::Colour: {
        static const QRegularExpression rgb(QStringLiteral("^#[0-9a-fA-F]{6}$"));
        return rgb.match(text).hasMatch() ? text.toLower() : QString();
    }
    case Type::Text:
        return text.contains(u'\n') || text.contains(u'\r') ? QString() : text;
    }
    return {};
}

const QList<PreferenceKey>& PreferenceKey::all()
{
    static const QList<PreferenceKey> keys = table();
    // of() finds a key by its place in the table.
    for (qsizetype at = 0; at < keys.size(); ++at)
        Q_ASSERT(int(keys.at(at).preference) == at);
    return keys;
}

const PreferenceKey& PreferenceKey::of(Preference preference)
{
    return all().at(int(preference));
}
