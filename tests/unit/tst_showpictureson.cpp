// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShowPicturesOnMenu.h"
#include "core/MonitorPicker.h"
#include "flash/FlashWindow.h"
#include "preferences/Preferences.h"
#include "settings/ShowPicturesOn.h"

#include "FakeMonitors.h"
#include "Fakes.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

// Which monitor each flash goes to, and where on it, for every choice and as
// monitors come and go; the choice kept in the settings file and in the menu.
class ShowPicturesOnTest : public QObject
{
    Q_OBJECT
private slots:
    void centreOfThePrimaryOnTheRight();
    void windowLargerThanItsMonitorIsMadeToFit();
    void randomPlaceStaysOnThePrimary_data();
    void randomPlaceStaysOnThePrimary();
    void pointerMonitor();
    void eachMonitorInTurn();
    void unpluggedAndPluggedMidRun();
    void noMonitorAtAll();
    void settingKeptInItsOwnSection_data();
    void settingKeptInItsOwnSection();
    void menuChecksOneAndAnnouncesTheUsersPick();
};

namespace
{

const QSizeF Window(FlashWindow::WidthTwips, FlashWindow::HeightTwips);
const QRect Left(0, 0, 1024, 768);
const QRect Right(1024, 0, 1024, 768);

bool whollyOn(const Placement& place, const QRect& monitor)
{
    const QRectF area = MonitorPicker::toTwips(monitor);
    return QRectF(place.left, place.top, Window.width(), Window.height()).intersected(area) ==
           QRectF(place.left, place.top, Window.width(), Window.height());
}

} // namespace

void ShowPicturesOnTest::centreOfThePrimaryOnTheRight()
{
    FakeMonitors monitors;
    MonitorPicker picker(monitors);
    ScriptedRandom random;
    const Placement place = picker.placeNext(Window, false, random);
    // (1024 + 335.5) pixels across, 259.5 down, half twips kept.
    QCOMPARE(place.left, 1024 * 15 + 5032.5);
    QCOMPARE(place.top, 3892.5);
    QCOMPARE(random.draws, 0);
}

void ShowPicturesOnTest::windowLargerThanItsMonitorIsMadeToFit()
{
    FakeMonitors monitors;
    monitors.current.monitors[0] = QRect(1024, 0, 640, 480);
    MonitorPicker picker(monitors);
    ScriptedRandom random;
    QSizeF window(1280 * 15, 240 * 15); // a wide message drawn for a larger primary
    const Placement place = picker.placeWithin(&window, false, random);
    QCOMPARE(window, QSizeF(640 * 15, 120 * 15));
    QCOMPARE(QPointF(place.left, place.top), QPointF(1024 * 15, 180 * 15));
}

void ShowPicturesOnTest::randomPlaceStaysOnThePrimary_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    // Free span 7785 twips high, 10065 wide, as on a single monitor.
    QTest::newRow("zero") << 0.0 << 0.0 << 0.0 << 15360.0;
    QTest::newRow("halves go to even") << 0.5 << 0.5 << 3892.0 << 15360.0 + 5032;
    QTest::newRow("highest") << 0.9999999 << 0.9999999 << 7785.0 << 15360.0 + 10065;
}

void ShowPicturesOnTest::randomPlaceStaysOnThePrimary()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, top);
    QFETCH(double, left);
    FakeMonitors monitors;
    // Below and to the right of the other monitor, to see both offsets.
    monitors.current.monitors[0] = QRect(1024, 100, 1024, 768);
    MonitorPicker picker(monitors);
    ScriptedRandom random;
    random.values.append({r1, r2});
    const Placement place = picker.placeNext(Window, true, random);
    QCOMPARE(random.draws, 2);
    QCOMPARE(place.top, top + 1500);
    QCOMPARE(place.left, left);
    QVERIFY(whollyOn(place, monitors.current.monitors[0]));
}

void ShowPicturesOnTest::pointerMonitor()
{
    FakeMonitors monitors;
    MonitorPicker picker(monitors);
    picker.setShowPicturesOn(ShowPicturesOn::Pointer);
    monitors.current.pointer = QPoint(10, 700);
    QCOMPARE(picker.nextMonitor(), Left);
    monitors.current.pointer = QPoint(1024, 0);
    QCOMPARE(picker.nextMonitor(), Right);
    // A pointer in no monitor (a gap between monitors of different heights)
    // falls back to the primary.
    monitors.current.pointer = QPoint(500, 900);
    QCOMPARE(picker.nextMonitor(), Right);
}

void ShowPicturesOnTest::eachMonitorInTurn()
{
    FakeMonitors monitors;
    // Listed out of order, with the right one mirrored: three entries, two places.
    monitors.current.monitors = {Right, Left, Right};
    MonitorPicker picker(monitors);
    picker.setShowPicturesOn(ShowPicturesOn::Each);
    QList<QRect> seen;
    for (int i = 0; i < 4; ++i)
        seen << picker.nextMonitor();
    QCOMPARE(seen, (QList<QRect>{Left, Right, Left, Right}));
}

void ShowPicturesOnTest::unpluggedAndPluggedMidRun()
{
    for (ShowPicturesOn setting :
         {ShowPicturesOn::Primary, ShowPicturesOn::Pointer, ShowPicturesOn::Each}) {
        FakeMonitors monitors;
        MonitorPicker picker(monitors);
        picker.setShowPicturesOn(setting);
        monitors.current.pointer = QPoint(100, 100);
        picker.nextMonitor();
        // The left monitor goes, and with it, for a moment, the primary mark.
        monitors.current = {{Right}, -1, QPoint(100, 100)};
        QCOMPARE(picker.nextMonitor(), Right);
        QCOMPARE(picker.nextMonitor(), Right);
        // Plugged in again: used from the next flash on where the choice says so.
        monitors.current = {{Right, Left}, 0, QPoint(100, 100)};
        const QRect next = picker.nextMonitor();
        QCOMPARE(next, setting == ShowPicturesOn::Primary ? Right : Left);
    }
}

void ShowPicturesOnTest::noMonitorAtAll()
{
    FakeMonitors monitors;
    monitors.current = {};
    MonitorPicker picker(monitors);
    for (ShowPicturesOn setting :
         {ShowPicturesOn::Primary, ShowPicturesOn::Pointer, ShowPicturesOn::Each}) {
        picker.setShowPicturesOn(setting);
        QCOMPARE(picker.nextMonitor(), MonitorPicker::FallbackArea);
    }
}

void ShowPicturesOnTest::settingKeptInItsOwnSection_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QString>("saved");
    QTest::newRow("nothing stored") << QString() << int(ShowPicturesOn::Primary) << "primary";
    QTest::newRow("pointer") << "pointer" << int(ShowPicturesOn::Pointer) << "pointer";
    QTest::newRow("each") << "each" << int(ShowPicturesOn::Each) << "each";
    QTest::newRow("spaces around") << " each " << int(ShowPicturesOn::Each) << "each";
    QTest::newRow("unknown word") << "left" << int(ShowPicturesOn::Primary) << "primary";
    QTest::newRow("other case") << "Each" << int(ShowPicturesOn::Primary) << "primary";
    QTest::newRow("a number") << "2" << int(ShowPicturesOn::Primary) << "primary";
}

void ShowPicturesOnTest::settingKeptInItsOwnSection()
{
    QFETCH(QString, stored);
    QFETCH(int, loaded);
    QFETCH(QString, saved);
    MemorySettingsStore store;
    const QString key = MemorySettingsStore::path("app", "display", "ShowPicturesOn");
    if (!stored.isNull())
        store.values[key] = stored;
    Preferences preferences(store, "app");
    QCOMPARE(int(loadShowPicturesOn(preferences)), loaded);

    saveShowPicturesOn(preferences, ShowPicturesOn(loaded));
    QCOMPARE(store.writes, QStringList{"ShowPicturesOn"});
    QCOMPARE(store.values.value(key), saved);
    QCOMPARE(int(loadShowPicturesOn(preferences)), loaded);
}

void ShowPicturesOnTest::menuChecksOneAndAnnouncesTheUsersPick()
{
    ShowPicturesOnMenu menu;
    QCOMPARE(menu.title(), QStringLiteral("Show pictures on"));
    QAction* const actions[] = {menu.findChild<QAction*>("mnuShowOnPrimary"),
                                menu.findChild<QAction*>("mnuShowOnPointer"),
                                menu.findChild<QAction*>("mnuShowOnEach")};
    for (QAction* action : actions)
        QVERIFY(action && action->isCheckable());
    QCOMPARE(menu.choice(), ShowPicturesOn::Primary);
    QVERIFY(actions[0]->isChecked());

    QSignalSpy chosen(&menu, &ShowPicturesOnMenu::chosen);
    menu.setChoice(ShowPicturesOn::Each);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(actions[2]->isChecked() && !actions[0]->isChecked());

    actions[1]->trigger();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).value<ShowPicturesOn>(), ShowPicturesOn::Pointer);
    QCOMPARE(menu.choice(), ShowPicturesOn::Pointer);
    QVERIFY(!actions[2]->isChecked());
}

QTEST_MAIN(ShowPicturesOnTest)
#include "tst_showpictureson.moc"
