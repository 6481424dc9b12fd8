// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/Preferences.h"
#include "settings/DisplaySettings.h"

#include "Fakes.h"

#include <QHash>
#include <QTest>

namespace
{

const QString App = QStringLiteral("app");

QString pathOf(const QString& key)
{
    return MemorySettingsStore::path(App, "settings", key);
}

DisplaySettings loadFrom(const QHash<QString, QString>& stored)
{
    MemorySettingsStore store;
    for (auto value = stored.cbegin(); value != stored.cend(); ++value)
        store.values.insert(pathOf(value.key()), value.value());
    return DisplaySettings::load(Preferences(store, App));
}

} // namespace

class DisplaySettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void valueLists();
    void restoring_data();
    void restoring();
    void savingWritesPositionsInOrder();
};

void DisplaySettingsTest::valueLists()
{
    const QStringList intervals = DisplaySettings::intervalItems();
    QCOMPARE(intervals.size(), 25);
    QCOMPARE(intervals.first(), "2");
    QCOMPARE(intervals.at(1), "5");
    QCOMPARE(intervals.at(3), "15");
    QCOMPARE(intervals.last(), "120");
    const QStringList durations = DisplaySettings::durationItems();
    QCOMPARE(durations, QStringList({"20", "40", "60", "80", "100", "125", "150", "200", "500",
                                     "1000", "2000", "3000", "4000", "5000"}));
}

using Stored = QHash<QString, QString>;
Q_DECLARE_METATYPE(Stored)

void DisplaySettingsTest::restoring_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("location");
    QTest::addColumn<int>("order");

    QTest::newRow("empty store gives defaults") << Stored{} << 0 << 0 << 0 << 0;
    QTest::newRow("all four restored") << Stored{{"DispInterval", "3"},
                                                 {"DispDuration", "8"},
                                                 {"DispLocation", "1"},
                                                 {"DispOrder", "1"}}
                                       << 3 << 8 << 1 << 1;
    QTest::newRow("no interval: the rest is ignored")
        << Stored{{"DispDuration", "8"}, {"DispLocation", "1"}, {"DispOrder", "1"}} << 0 << 0 << 0
        << 0;
    QTest::newRow("location 2 is the centre") << Stored{{"DispInterval", "0"},
                                                        {"DispDuration", "0"},
                                                        {"DispLocation", "2"},
                                                        {"DispOrder", "0"}}
                                              << 0 << 0 << 1 << 0;
    QTest::newRow("last positions")
        << Stored{{"DispInterval", "24"}, {"DispDuration", "13"}} << 24 << 13 << 0 << 0;
    QTest::newRow("bad values fall back one by one") << Stored{{"DispInterval", "25"},
                                                               {"DispDuration", "7"},
                                                               {"DispLocation", "x"},
                                                               {"DispOrder", "1"}}
                                                     << 0 << 7 << 0 << 1;
    QTest::newRow("negative and text") << Stored{{"DispInterval", "5"},
                                                 {"DispDuration", "-1"},
                                                 {"DispLocation", "1"},
                                                 {"DispOrder", "1.5"}}
                                       << 5 << 0 << 1 << 0;
    QTest::newRow("huge number") << Stored{{"DispInterval", "99999999999999"},
                                           {"DispDuration", "14"}}
                                 << 0 << 0 << 0 << 0;
}

void DisplaySettingsTest::restoring()
{
    QFETCH(Stored, stored);
    QFETCH(int, interval);
    QFETCH(int, duration);
    QFETCH(int, location);
    QFETCH(int, order);
    QCOMPARE(loadFrom(stored), (DisplaySettings{interval, duration, location, order}));
}

void DisplaySettingsTest::savingWritesPositionsInOrder()
{
    MemorySettingsStore store;
    Preferences preferences(store, App);
    DisplaySettings{3, 8, 1, 1}.save(preferences);
    QStringList written;
    for (const QString& key : std::as_const(store.writes))
        written << key + "=" + store.values.value(pathOf(key));
    QCOMPARE(written,
             QStringList({"DispInterval=3", "DispDuration=8", "DispLocation=1", "DispOrder=1"}));
}

QTEST_GUILESS_MAIN(DisplaySettingsTest)
#include "tst_displaysettings.moc"
