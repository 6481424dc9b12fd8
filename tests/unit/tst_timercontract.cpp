// SPDX-License-Identifier: GPL-3.0-or-later
// The timer contract every flash test relies on, run against the real timer
// and against the fake the other tests fire by hand, so the fake cannot
// drift from what the program really gets.
#include "Fakes.h"
#include "platform/QtTimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

namespace
{

constexpr int Period = 150;

// Lets time pass for a timer and tells whether it ticked.
class TimerProbe
{
public:
    virtual ~TimerProbe() = default;
    virtual Timer& timer() = 0;
    // Lets ms go by; true when the timer ticked meanwhile.
    virtual bool ticksWithin(int ms) = 0;
};

// The real timer on the real event loop. A reference timer marks the end of
// each wait; Qt delivers timers in the order they fall due, so the answer
// depends on that order, not on how fast the machine is.
class RealProbe final : public TimerProbe
{
public:
    Timer& timer() override { return m_timer; }
    bool ticksWithin(int ms) override
    {
        QSignalSpy ticks(&m_timer, &Timer::timeout);
        QTimer reference;
        reference.setTimerType(Qt::PreciseTimer);
        reference.setSingleShot(true);
        QSignalSpy done(&reference, &QTimer::timeout);
        reference.start(ms);
        if (!done.wait(10 * ms + 5000))
            qFatal("the reference timer never fired");
        return !ticks.isEmpty();
    }

private:
    QtTimer m_timer;
};

// The fake keeps no time; its count of fresh periods tells when one began.
class FakeProbe final : public TimerProbe
{
public:
    Timer& timer() override { return m_timer; }
    bool ticksWithin(int ms) override
    {
        if (m_timer.starts() != m_startsSeen) {
            m_startsSeen = m_timer.starts();
            m_elapsed = 0;
        }
        m_elapsed += ms;
        if (!m_timer.isRunning() || m_elapsed < m_timer.interval())
            return false;
        m_elapsed = 0;
        return m_timer.fire();
    }

private:
    FakeTimer m_timer;
    int m_startsSeen = 0;
    int m_elapsed = 0;
};

} // namespace

class TimerContractTest : public QObject
{
    Q_OBJECT
private slots:
    void init_data();
    void init();
    void periodOfZeroNeverFires_data() { init_data(); }
    void periodOfZeroNeverFires();
    void newPeriodOnARunningTimerStartsAFullPeriod_data() { init_data(); }
    void newPeriodOnARunningTimerStartsAFullPeriod();
    void disableThenEnableStartsAFullPeriod_data() { init_data(); }
    void disableThenEnableStartsAFullPeriod();
    void disabledTimerNeverFires_data() { init_data(); }
    void disabledTimerNeverFires();
    void longPeriodsNeverTickEarly_data();
    void longPeriodsNeverTickEarly();

private:
    std::unique_ptr<TimerProbe> m_probe;
};

void TimerContractTest::init_data()
{
    QTest::addColumn<bool>("real");
    QTest::newRow("real") << true;
    QTest::newRow("fake") << false;
}

void TimerContractTest::init()
{
    QFETCH(bool, real);
    m_probe = real ? std::unique_ptr<TimerProbe>(new RealProbe) : std::make_unique<FakeProbe>();
}

void TimerContractTest::periodOfZeroNeverFires()
{
    Timer& timer = m_probe->timer();
    timer.setEnabled(true);
    QVERIFY(!m_probe->ticksWithin(2 * Period));

    timer.setInterval(Period);
    QVERIFY(m_probe->ticksWithin(Period + 50));
    timer.setInterval(0);
    QVERIFY(!timer.isRunning());
    QVERIFY(!m_probe->ticksWithin(2 * Period));
}

void TimerContractTest::newPeriodOnARunningTimerStartsAFullPeriod()
{
    Timer& timer = m_probe->timer();
    timer.setInterval(Period);
    timer.setEnabled(true);
    QVERIFY(!m_probe->ticksWithin(100));
    timer.setInterval(Period);
    // The old period would have ended 50 ms from here; the new one has 150 to go.
    QVERIFY(!m_probe->ticksWithin(100));
    QVERIFY(m_probe->ticksWithin(100));
}

void TimerContractTest::disableThenEnableStartsAFullPeriod()
{
    Timer& timer = m_probe->timer();
    timer.setInterval(Period);
    timer.setEnabled(true);
    QVERIFY(!m_probe->ticksWithin(100));
    timer.setEnabled(false);
    timer.setEnabled(true);
    QVERIFY(!m_probe->ticksWithin(100));
    QVERIFY(m_probe->ticksWithin(100));
}

void TimerContractTest::disabledTimerNeverFires()
{
    Timer& timer = m_probe->timer();
    timer.setInterval(Period);
    QVERIFY(!m_probe->ticksWithin(2 * Period));
    timer.setEnabled(true);
    timer.setEnabled(false);
    QVERIFY(!m_probe->ticksWithin(2 * Period));
    // Enabling an enabled timer changes nothing: it keeps its period's count.
    timer.setEnabled(true);
    QVERIFY(!m_probe->ticksWithin(100));
    timer.setEnabled(true);
    QVERIFY(m_probe->ticksWithin(100));
}

// A long period is waited for in steps, none of which may end it early.
void TimerContractTest::longPeriodsNeverTickEarly_data()
{
    QTest::addColumn<bool>("real");
    QTest::newRow("real") << true;
}

void TimerContractTest::longPeriodsNeverTickEarly()
{
    QElapsedTimer clock;
    QList<qint64> ticks;
    connect(&m_probe->timer(), &Timer::timeout, this, [&] { ticks << clock.elapsed(); });
    clock.start();
    m_probe->timer().setInterval(1100);
    m_probe->timer().setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), 2, 10000);
    QVERIFY2(ticks.at(0) >= 1100 && ticks.at(1) >= 2200, qPrintable(QString::number(ticks.at(0))));
}

QTEST_GUILESS_MAIN(TimerContractTest)
#include "tst_timercontract.moc"
