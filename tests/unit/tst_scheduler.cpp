// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Placement.h"
#include "core/Scheduler.h"

#include "Fakes.h"

#include <QTest>

// The choice of each flash's slot and the flash window's place, with scripted
// random draws and hand-computed results.
class SchedulerTest : public QObject
{
    Q_OBJECT
private slots:
    void listOrderCyclesFromSlotOne();
    void startBeginsAgainAtSlotOne();
    void switchingToListOrderContinuesFromTheLastListSlot();
    void onePictureIsSlotOneInBothOrders();
    void randomSlot_data();
    void randomSlot();
    void shrinkingListRestartsListOrder();
    void noPictureMeansNoSlotAndNoDraw();

    void centreKeepsHalfTwips();
    void windowAsLargeAsScreenGoesToTheCorner();
    void randomPlace_data();
    void randomPlace();
    void randomPlaceDrawsTopFirst();
    void largeScreensAreNotCutShort();
    void roundingHalvesToEven_data();
    void roundingHalvesToEven();
};

namespace
{
const QSizeF Window(5295, 3735);
const QSizeF Screen1024(1024 * 15, 768 * 15);

QList<int> shownSlots(Scheduler& scheduler, Scheduler::Order order, int count, int ticks,
                      Random& random)
{
    QList<int> shown;
    for (int i = 0; i < ticks; ++i)
        shown << scheduler.chooseSlot(order, count, random);
    return shown;
}
} // namespace

void SchedulerTest::listOrderCyclesFromSlotOne()
{
    ScriptedRandom random;
    Scheduler scheduler;
    scheduler.start();
    QCOMPARE(shownSlots(scheduler, Scheduler::Order::List, 3, 7, random),
             (QList<int>{1, 2, 3, 1, 2, 3, 1}));
    QCOMPARE(random.draws, 0);
}

void SchedulerTest::startBeginsAgainAtSlotOne()
{
    ScriptedRandom random;
    Scheduler scheduler;
    scheduler.start();
    shownSlots(scheduler, Scheduler::Order::List, 3, 2, random);
    QCOMPARE(scheduler.lastListSlot(), 2);
    scheduler.start();
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::List, 3, random), 1);
}

void SchedulerTest::switchingToListOrderContinuesFromTheLastListSlot()
{
    ScriptedRandom random;
    random.values.append({0.9, 0.0});
    Scheduler scheduler;
    scheduler.start();
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::List, 4, random), 1);
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::Random, 4, random), 4);
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::Random, 4, random), 1);
    QCOMPARE(scheduler.lastRandomSlot(), 1);
    // Random ticks leave the list position alone.
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::List, 4, random), 2);

    Scheduler fresh;
    fresh.start();
    random.values.append({0.5});
    fresh.chooseSlot(Scheduler::Order::Random, 4, random);
    QCOMPARE(fresh.chooseSlot(Scheduler::Order::List, 4, random), 1);
}

void SchedulerTest::onePictureIsSlotOneInBothOrders()
{
    ScriptedRandom random;
    random.values.append({0.0, 0.5, 0.999999});
    Scheduler scheduler;
    scheduler.start();
    QCOMPARE(shownSlots(scheduler, Scheduler::Order::Random, 1, 3, random), (QList<int>{1, 1, 1}));
    QCOMPARE(shownSlots(scheduler, Scheduler::Order::List, 1, 3, random), (QList<int>{1, 1, 1}));
}

void SchedulerTest::randomSlot_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("slot");
    QTest::newRow("lowest") << 5 << 0.0 << 1;
    QTest::newRow("just below a boundary") << 5 << 0.19999 << 1;
    QTest::newRow("on a boundary") << 5 << 0.2 << 2;
    QTest::newRow("middle") << 3 << 0.5 << 2;
    QTest::newRow("highest") << 5 << 0.9999999 << 5;
    QTest::newRow("large list") << 1000 << 0.4567 << 457;
}

void SchedulerTest::randomSlot()
{
    QFETCH(int, count);
    QFETCH(double, draw);
    QFETCH(int, slot);
    ScriptedRandom random;
    random.values.append({draw});
    Scheduler scheduler;
    scheduler.start();
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::Random, count, random), slot);
    QCOMPARE(scheduler.lastRandomSlot(), slot);
    QCOMPARE(random.draws, 1);
}

void SchedulerTest::shrinkingListRestartsListOrder()
{
    ScriptedRandom random;
    Scheduler scheduler;
    scheduler.start();
    QCOMPARE(shownSlots(scheduler, Scheduler::Order::List, 5, 4, random), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(shownSlots(scheduler, Scheduler::Order::List, 2, 3, random), (QList<int>{1, 2, 1}));
    // Pictures added join at once.
    QCOMPARE(shownSlots(scheduler, Scheduler::Order::List, 4, 3, random), (QList<int>{2, 3, 4}));
}

void SchedulerTest::noPictureMeansNoSlotAndNoDraw()
{
    ScriptedRandom random;
    Scheduler scheduler;
    scheduler.start();
    scheduler.chooseSlot(Scheduler::Order::List, 3, random);
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::Random, 0, random), 0);
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::List, 0, random), 0);
    QCOMPARE(random.draws, 0);
    QCOMPARE(scheduler.chooseSlot(Scheduler::Order::List, 3, random), 2);
}

void SchedulerTest::centreKeepsHalfTwips()
{
    const Placement place = Placement::centre(Screen1024, Window);
    QCOMPARE(place.top, 3892.5);
    QCOMPARE(place.left, 5032.5);

    // A screen smaller than the window puts the middles together all the same.
    const Placement small = Placement::centre(QSizeF(4000, 3000), Window);
    QCOMPARE(small.top, -367.5);
    QCOMPARE(small.left, -647.5);
}

void SchedulerTest::windowAsLargeAsScreenGoesToTheCorner()
{
    ScriptedRandom random;
    random.values.append({0.7, 0.3});
    for (const Placement& place :
         {Placement::centre(Window, Window), Placement::random(Window, Window, random)}) {
        QCOMPARE(place.top, 0.0);
        QCOMPARE(place.left, 0.0);
    }
}

void SchedulerTest::randomPlace_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    // Free span 11520 - 3735 = 7785 high and 15360 - 5295 = 10065 wide.
    QTest::newRow("zero") << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("halves go to even") << 0.5 << 0.5 << 3892.0 << 5032.0;
    QTest::newRow("half to even, upwards") << 0.1 << 0.3 << 778.0 << 3020.0;
    QTest::newRow("below and above a half") << 0.25 << 0.75 << 1946.0 << 7549.0;
    QTest::newRow("highest") << 0.9999999 << 0.9999999 << 7785.0 << 10065.0;
}

void SchedulerTest::randomPlace()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, top);
    QFETCH(double, left);
    ScriptedRandom random;
    random.values.append({r1, r2});
    const Placement place = Placement::random(Screen1024, Window, random);
    QCOMPARE(place.top, top);
    QCOMPARE(place.left, left);
    QVERIFY(place.top + Window.height() <= Screen1024.height());
    QVERIFY(place.left + Window.width() <= Screen1024.width());
}

void SchedulerTest::randomPlaceDrawsTopFirst()
{
    ScriptedRandom random;
    random.values.append({1.0 / 7785, 0.0});
    const Placement place = Placement::random(Screen1024, Window, random);
    QCOMPARE(place.top, 1.0);
    QCOMPARE(place.left, 0.0);
    QCOMPARE(random.draws, 2);
}

void SchedulerTest::largeScreensAreNotCutShort()
{
    // 7680 x 4320 pixels: free spans far beyond 32767 twips.
    const QSizeF screen(7680 * 15, 4320 * 15);
    ScriptedRandom random;
    random.values.append({0.9999999, 0.9999999});
    const Placement place = Placement::random(screen, Window, random);
    QCOMPARE(place.top, 4320.0 * 15 - 3735);
    QCOMPARE(place.left, 7680.0 * 15 - 5295);
    const Placement centre = Placement::centre(screen, Window);
    QCOMPARE(centre.left, (7680.0 * 15 - 5295) / 2);
}

void SchedulerTest::roundingHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("2.4999") << 2.4999 << 2.0;
    QTest::newRow("2.5001") << 2.5001 << 3.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.6") << -2.6 << -3.0;
    QTest::newRow("100000.5") << 100000.5 << 100000.0;
}

void SchedulerTest::roundingHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(Placement::roundHalfEven(value), rounded);
}

QTEST_GUILESS_MAIN(SchedulerTest)
#include "tst_scheduler.moc"
