// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/Preferences.h"

#include "Fakes.h"

#include <QRegularExpression>
#include <QTest>

// The settings file as written by hand: read as meant, or named once and the default used.
class PreferencesTest : public QObject
{
    Q_OBJECT
private slots:
    void handWrittenValues_data();
    void handWrittenValues();
    void writesSayWhatChanged();
};

void PreferencesTest::handWrittenValues_data()
{
    QTest::addColumn<Preference>("preference");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");
    QTest::addColumn<bool>("named"); // on standard error, once
    const auto row = [](Preference preference, const char* stored, const char* read,
                        bool named = false) {
        QTest::addRow("%d %s", int(preference), stored)
            << preference << QString(stored) << QString(read) << named;
    };
    for (const char* on : {"1", "true", "yes", " on "})
        row(Preference::ActiveHoursEnabled, on, "1");
    for (const char* off : {"0", "false", "NO", "off"})
        row(Preference::PauseWhenLocked, off, "0");
    row(Preference::ActiveHoursEnabled, "maybe", "0", true);
    row(Preference::ActiveFrom, "", "09:00");
    row(Preference::DisplayInterval, " 24 ", "24");
    row(Preference::DisplayInterval, "25", "0", true);
    row(Preference::DisplayDuration, "1.5", "0", true);
    row(Preference::KeptShowLatency, "-1", "", true);
    row(Preference::ShowPicturesOn, "left", "primary", true);
    row(Preference::ActiveTo, "25:00", "17:00", true);
    row(Preference::ActiveDays, "Sat,Funday", "Mon,Tue,Wed,Thu,Fri", true);
    row(Preference::LastReminder, "yesterday", "", true);
}

void PreferencesTest::handWrittenValues()
{
    QFETCH(Preference, preference);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    QFETCH(bool, named);
    const PreferenceKey& key = PreferenceKey::of(preference);
    MemorySettingsStore store;
    store.values[MemorySettingsStore::path("app", key.section, key.key)] = stored;
    if (named)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(
                                 QString("[%1] %2=%3").arg(key.section, key.key, stored))));
    QTest::failOnWarning(QRegularExpression("makes no sense"));
    Preferences preferences(store, "app");
    QCOMPARE(preferences.text(preference), read);
    QCOMPARE(preferences.holds(preference), !named && !stored.isEmpty()); // named once only
}

void PreferencesTest::writesSayWhatChanged()
{
    MemorySettingsStore store;
    Preferences preferences(store, "app");
    QList<Preference> changed;
    connect(&preferences, &Preferences::changed, this, [&](Preference key) { changed << key; });
    preferences.setFlag(Preference::PauseWhenInCall, true);
    preferences.setFlag(Preference::PauseWhenInCall, true);
    preferences.setTime(Preference::ActiveFrom, QTime(8, 0));
    preferences.setDays(Preference::ActiveDays, {Qt::Sunday, Qt::Monday});
    QCOMPARE(changed, (QList<Preference>{Preference::PauseWhenInCall, Preference::ActiveFrom,
                                         Preference::ActiveDays}));
    QCOMPARE(store.writes, (QStringList{"WhenInCall", "WhenInCall", "From", "Days"}));
    QCOMPARE(store.values.value(MemorySettingsStore::path("app", "schedule", "Days")), "Mon,Sun");
}

QTEST_GUILESS_MAIN(PreferencesTest)
#include "tst_preferences.moc"
