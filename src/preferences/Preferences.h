// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences/PreferenceKeys.h"

#include <QDate>
#include <QObject>
#include <QTime>

class SettingsStore;

// The one way the program reads and writes its settings file, by the keys
// of the table in PreferenceKeys. A reader gets the stored value when it
// makes sense and the key's default otherwise; a value that makes none is
// named once on standard error. Values are read from the file each time, so
// a change made by hand counts from the next read.
class Preferences : public QObject
{
    Q_OBJECT
public:
    Preferences(SettingsStore& store, QString application, QObject* parent = nullptr);

    // The settings a set of pictures may keep for itself: the four display
    // settings, how much the interval varies, the look of a flash and what
    // is flashed.
    static bool isPerSet(Preference preference);
    // The settings of the set being flashed: its per-set keys are read from
    // there where it has them (the user's otherwise) and written there. Null:
    // the user's file alone.
    void setSetStore(SettingsStore* store) { m_setStore = store; }

    // Whether anything is stored, sensible or not.
    bool isStored(Preference preference) const;
    // Whether a value that makes sense is stored.
    bool holds(Preference preference) const;

    bool flag(Preference preference) const;
    int number(Preference preference) const;
    QString text(Preference preference) const; // a choice, a time, days: in their spelling
    QTime time(Preference preference) const;
    QDate date(Preference preference) const; // invalid when none is stored
    QList<Qt::DayOfWeek> days(Preference preference) const;

    // Written as given, whether or not it changed anything.
    void setFlag(Preference preference, bool on);
    void setNumber(Preference preference, int value);
    void setText(Preference preference, const QString& value);
    void setTime(Preference preference, const QTime& time);
    void setDate(Preference preference, const QDate& date);
    void setDays(Preference preference, const QList<Qt::DayOfWeek>& days);

signals:
    // A write stored a value other than the one before.
    void changed(Preference preference);

private:
    QString stored(const PreferenceKey& key) const;
    // The sensible value's spelling, else the default's.
    QString value(Preference preference) const;
    void write(Preference preference, const QString& value);

    SettingsStore& storeFor(const PreferenceKey& key) const;

    SettingsStore& m_store;
    SettingsStore* m_setStore = nullptr;
    QString m_application;
};
