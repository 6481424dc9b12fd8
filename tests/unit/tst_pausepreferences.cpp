// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PauseWhenMenu.h"
#include "preferences/Preferences.h"
#include "settings/PausePreferences.h"

#include "Fakes.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

// Which kinds of pause the user wants, in the settings file and in the menus.
class PausePreferencesTest : public QObject
{
    Q_OBJECT
private slots:
    void allOnAtFirstAndRoundTrip();
    void badValuesReadAsOn();
    void menuShowsAndChangesThePreferences();
};

namespace
{
const QString App = QStringLiteral("zorvik");
const PauseReasons Audience = PauseReason::ScreenShared | PauseReason::InCall;
} // namespace

void PausePreferencesTest::allOnAtFirstAndRoundTrip()
{
    MemorySettingsStore store;
    Preferences settings(store, App);
    PausePreferences preferences(settings);
    preferences.load();
    QCOMPARE(preferences.enabledReasons(), PauseReason::ScreenLocked |
                                               PauseReason::FullscreenWindow |
                                               PauseReason::DoNotDisturb | Audience);

    preferences.setPausesWhen(PauseReason::FullscreenWindow, false);
    QCOMPARE(store.values.value(MemorySettingsStore::path(App, "pause", "WhenFullscreen")),
             QStringLiteral("0"));
    PausePreferences reread(settings);
    reread.load();
    QCOMPARE(reread.enabledReasons(),
             PauseReason::ScreenLocked | PauseReason::DoNotDisturb | Audience);
    // Only the section of its own is written.
    for (const QString& key : store.values.keys())
        QVERIFY2(key.startsWith(App + QStringLiteral("/pause/")), qPrintable(key));

    reread.setPausesWhen(PauseReason::FullscreenWindow, true);
    reread.setPausesWhen(PauseReason::ScreenLocked, false);
    reread.setPausesWhen(PauseReason::InCall, false);
    QCOMPARE(store.values.value(MemorySettingsStore::path(App, "pause", "WhenInCall")),
             QStringLiteral("0"));
    preferences.load();
    QCOMPARE(preferences.enabledReasons(),
             PauseReason::FullscreenWindow | PauseReason::DoNotDisturb | PauseReason::ScreenShared);
}

void PausePreferencesTest::badValuesReadAsOn()
{
    MemorySettingsStore store;
    store.values[MemorySettingsStore::path(App, "pause", "WhenLocked")] = QStringLiteral("nope");
    store.values[MemorySettingsStore::path(App, "pause", "WhenFullscreen")] = QStringLiteral("00");
    store.values[MemorySettingsStore::path(App, "pause", "WhenDoNotDisturb")] =
        QStringLiteral(" 0 ");
    Preferences settings(store, App);
    PausePreferences preferences(settings);
    preferences.load();
    QCOMPARE(preferences.enabledReasons(),
             PauseReason::ScreenLocked | PauseReason::FullscreenWindow | Audience);
}

void PausePreferencesTest::menuShowsAndChangesThePreferences()
{
    MemorySettingsStore store;
    store.values[MemorySettingsStore::path(App, "pause", "WhenDoNotDisturb")] = QStringLiteral("0");
    Preferences settings(store, App);
    PausePreferences preferences(settings);
    preferences.load();
    PauseWhenMenu fileMenu(preferences);
    PauseWhenMenu trayMenu(preferences);
    QCOMPARE(fileMenu.title(), QStringLiteral("Pause when"));
    auto entry = [](QMenu& menu, const char* name) {
        return menu.findChild<QAction*>(name);
    };
    QVERIFY(entry(fileMenu, "mnuPauseLocked")->isChecked());
    QVERIFY(entry(fileMenu, "mnuPauseFullscreen")->isChecked());
    QVERIFY(!entry(fileMenu, "mnuPauseDoNotDisturb")->isChecked());

    QSignalSpy changes(&fileMenu, &PauseWhenMenu::preferencesChanged);
    entry(fileMenu, "mnuPauseFullscreen")->trigger();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).value<PauseReasons>(), PauseReason::ScreenLocked | Audience);
    QCOMPARE(store.values.value(MemorySettingsStore::path(App, "pause", "WhenFullscreen")),
             QStringLiteral("0"));

    // The other menu shows the change when it opens, without saving again.
    const qsizetype writes = store.writes.size();
    emit trayMenu.aboutToShow();
    QVERIFY(!entry(trayMenu, "mnuPauseFullscreen")->isChecked());
    QCOMPARE(store.writes.size(), writes);
}

QTEST_MAIN(PausePreferencesTest)
#include "tst_pausepreferences.moc"
