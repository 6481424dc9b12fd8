// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every setting the program keeps in its settings file.
enum class Preference {
    DisplayInterval,
    DisplayDuration,
    DisplayLocation,
    DisplayOrder,
    ShowPicturesOn,
    PauseWhenLocked,
    PauseWhenFullscreen,
    PauseWhenDoNotDisturb,
    PauseWhenScreenShared,
    PauseWhenInCall,
    IntervalSpread,
    KeepRecord,
    KeptShowLatency,
    ActiveHoursEnabled,
    ActiveDays,
    ActiveFrom,
    ActiveTo,
    LastReminder,
    LookOpacity,
    LookFadeIn,
    LookFadeOut,
    LookSize,
    MessagesFlash,
    MessageFont,
    MessageSize,
    MessageColour,
    MessageEdge,
    MessageBox,
    MessageBoxColour,
    CurrentSet,
};

// Where a setting lives in the file and what it may hold. The file's
// sections, keys and spellings are the user's: they never change.
struct PreferenceKey {
    enum class Type {
        Flag,   // written "1" or "0"; true/false, yes/no, on/off read as meant
        Number, // a whole number from min to max
        Choice, // one of the words in choices
        Time,   // "09:00"
        Days,   // English short day names, "Mon,Tue"
        Date,   // "2026-12-10"
        Colour, // "#rrggbb"
        Text,   // any one line
    };

    Preference preference;
    QString section;
    QString key;
    Type type;
    QString fallback; // the default, as it would be written; empty for none
    int min = 0;
    int max = 0;
    QStringList choices = {};

    // The value in its one spelling, or empty when the text makes no sense.
    QString normalised(const QString& stored) const;

    static const PreferenceKey& of(Preference preference);
    static const QList<PreferenceKey>& all();
};

// Days of the week as the file names them, in English whatever the locale:
// "Mon,Tue". The list is read in the order written, each day once; nothing
// when a name is unknown or the list empty.
std::optional<QList<Qt::DayOfWeek>> dayList(const QString& names);
// Monday first.
QString dayNames(const QList<Qt::DayOfWeek>& days);
