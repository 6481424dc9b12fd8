// SPDX-License-Identifier: GPL-3.0-or-later
// The flash run's states, driven without any widget: fake timers, clock,
// pictures, choices and display.
#include "Fakes.h"
#include "core/FlashDisplay.h"
#include "core/FlashRun.h"
#include "core/RunSchedule.h"
#include "pictures/FlashPictures.h"
#include "preferences/Preferences.h"
#include "settings/DisplayChoices.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace
{

using State = FlashRun::State;

class FakePictures final : public FlashPictures
{
public:
    int slotCount() const override { return int(pictures.size()); }
    Availability flashPicture(int slot, QImage* picture) override
    {
        if (pending.contains(slot))
            return Availability::Pending;
        *picture = pictures.value(slot - 1);
        return picture->isNull() ? Availability::Unreadable : Availability::Ready;
    }
    void prefetch(int slot) override { prefetched << slot; }
    QList<QImage> pictures;
    QSet<int> pending; // slots still being prepared
    QList<int> prefetched;
};

class FakeChoices final : public DisplayChoices
{
public:
    DisplaySettings current() const override { return settings; }
    DisplaySettings settings{0, 4, 1, 1}; // 2 s, 100 ms, centre, list order
};

class FakeDisplay final : public FlashDisplay
{
public:
    void prepare() override { ++prepared; }
    void show(const QImage& picture, const QPointF& topLeft, int durationMs) override
    {
        shown << picture.pixelColor(0, 0);
        places << topLeft;
        durations << durationMs;
        showing = true;
    }
    void remove() override { showing = false; }
    void release() override
    {
        showing = false;
        released = true;
    }
    void end()
    {
        showing = false;
        emit flashEnded();
    }

    QList<QColor> shown;
    QList<QPointF> places;
    QList<int> durations;
    int prepared = 0;
    bool showing = false;
    bool released = false;
};

QImage filled(QColor colour)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

class FlashRunStatesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startWithoutPicturesIsRefusedAndStaysStopped();
    void aRunGoesThroughItsStatesAndSignalsEachOnce();
    void stopWhileShowingRemovesThePictureAndNoFlashFollows();
    void aLateEndOfAFlashAfterStopChangesNothing();
    void endReleasesEverything();
    void aLatePictureIsWaitedForAndShownWhenReady();
    void listOrderGetsTheNextPictureReadyAhead();
    void pauseRemovesThePictureAndResumesWithAFullInterval();
    void pauseBeforeItsSignalStillHoldsBackTheFlash();
    void pausesTheUserDoesNotWantAreIgnored();
    void aSuspendGivesAFreshIntervalNotAFlash();
    void outsideTheActiveHoursTheRunWaitsForTheirStart();
    void aPauseForAWhileEndsByItselfOrAtStop();
    void theTickComesEarlyByTheTimeAPictureTakesToTheScreen_data();
    void theTickComesEarlyByTheTimeAPictureTakesToTheScreen();

private:
    FakeTimer* interval() const { return m_fakes->timers.find(FlashRun::IntervalTimerName); }
    // What Start/Stop asks of the run.
    void toggle() { m_run->isRunning() ? m_run->stop() : void(m_run->start()); }

    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Preferences> m_preferences;
    FakePictures m_pictures;
    FakeChoices m_choices;
    std::unique_ptr<FakeDisplay> m_display;
    std::unique_ptr<FlashRun> m_run;
    QList<State> m_states;
};

void FlashRunStatesTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_preferences = std::make_unique<Preferences>(m_fakes->settings, "app");
    m_pictures.pictures = {filled(Qt::red), filled(Qt::green)};
    m_pictures.pending.clear();
    m_pictures.prefetched.clear();
    m_display = std::make_unique<FakeDisplay>();
    m_run = std::make_unique<FlashRun>(m_fakes->services, *m_preferences, m_pictures, m_choices,
                                       *m_display);
    m_states.clear();
    connect(m_run.get(), &FlashRun::stateChanged, this, [this](State state) { m_states << state; });
}

void FlashRunStatesTest::cleanup()
{
    m_run.reset();
    m_display.reset();
    m_fakes.reset();
}

void FlashRunStatesTest::startWithoutPicturesIsRefusedAndStaysStopped()
{
    m_pictures.pictures.clear();
    QSignalSpy minimise(m_run.get(), &FlashRun::minimiseRequested);
    QCOMPARE(m_run->start().refusal, FlashRun::NoPictureMessage);
    QCOMPARE(m_run->state(), State::Stopped);
    QVERIFY(m_states.isEmpty());
    QCOMPARE(minimise.count(), 0);
    // Whoever asked shows the refusal; the run saves no choices.
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QVERIFY(m_fakes->settings.writes.isEmpty());
    QVERIFY(!interval()->isRunning());
}

void FlashRunStatesTest::aRunGoesThroughItsStatesAndSignalsEachOnce()
{
    QSignalSpy minimise(m_run.get(), &FlashRun::minimiseRequested);
    toggle();
    QCOMPARE(m_run->state(), State::Waiting);
    QCOMPARE(m_run->startStopCaption(), FlashRun::StopCaption);
    QCOMPARE(minimise.count(), 1);
    QCOMPARE(interval()->interval(), 2000);
    QVERIFY(interval()->isRunning());
    QCOMPARE(m_run->nextFlashDue(), m_fakes->clock.time.addMSecs(2000));
    QCOMPARE(m_display->prepared, 1);

    QVERIFY(interval()->fire());
    QCOMPARE(m_run->state(), State::Showing);
    QVERIFY(m_display->showing);
    QCOMPARE(m_display->shown, QList<QColor>{Qt::red});
    QCOMPARE(m_display->durations, QList<int>{100});
    // Centre of a 1024 × 768 screen, in twips.
    QCOMPARE(m_display->places,
             QList<QPointF>{QPointF((15360 - 5295) / 2.0, (11520 - 3735) / 2.0)});
    QVERIFY2(!interval()->isRunning(), "the interval waits while a picture is shown");
    QVERIFY(!m_run->nextFlashDue().isValid());

    const int starts = interval()->starts();
    m_fakes->clock.time = m_fakes->clock.time.addSecs(5);
    m_display->end();
    QCOMPARE(m_run->state(), State::Waiting);
    QCOMPARE(interval()->starts(), starts + 1);
    QCOMPARE(m_run->nextFlashDue(), m_fakes->clock.time.addMSecs(2000));
    QTRY_COMPARE(m_display->prepared, 2);

    QVERIFY(interval()->fire());
    QCOMPARE(m_display->shown, QList<QColor>({Qt::red, Qt::green}));
    QCOMPARE(m_states,
             QList<State>({State::Waiting, State::Showing, State::Waiting, State::Showing}));
}

void FlashRunStatesTest::stopWhileShowingRemovesThePictureAndNoFlashFollows()
{
    toggle();
    QVERIFY(interval()->fire());
    toggle();
    QCOMPARE(m_run->state(), State::Stopped);
    QCOMPARE(m_run->startStopCaption(), FlashRun::StartCaption);
    QVERIFY(!m_display->showing);
    QVERIFY(!interval()->isRunning());
    QVERIFY(!interval()->fire());
    QCOMPARE(m_display->shown.size(), 1);
    QVERIFY(m_fakes->settings.writes.isEmpty());
}

void FlashRunStatesTest::aLateEndOfAFlashAfterStopChangesNothing()
{
    toggle();
    QVERIFY(interval()->fire());
    toggle();
    m_display->end();
    QCOMPARE(m_run->state(), State::Stopped);
    QVERIFY(!interval()->isRunning());
}

void FlashRunStatesTest::endReleasesEverything()
{
    toggle();
    QVERIFY(interval()->fire());
    m_run->end();
    QCOMPARE(m_run->state(), State::Stopped);
    QVERIFY(m_display->released);
    QVERIFY(!interval()->isEnabled());
    QVERIFY(!interval()->fire());
}

void FlashRunStatesTest::aLatePictureIsWaitedForAndShownWhenReady()
{
    m_pictures.pending = {1};
    toggle();
    QVERIFY(interval()->fire());
    QCOMPARE(m_run->state(), State::Preparing);
    QVERIFY2(m_display->shown.isEmpty(), "no empty window for a picture that is only late");
    QVERIFY(!interval()->isRunning());

    m_run->flashPictureReady(); // another picture: still waiting
    QCOMPARE(m_run->state(), State::Preparing);
    m_pictures.pending.clear();
    m_run->flashPictureReady();
    QCOMPARE(m_run->state(), State::Showing);
    QCOMPARE(m_display->shown, QList<QColor>{Qt::red});

    // A picture that cannot be read is passed over for the next: no empty window.
    m_display->end();
    m_pictures.pictures[1] = QImage();
    QVERIFY(interval()->fire());
    QCOMPARE(m_run->state(), State::Showing);
    QCOMPARE(m_display->shown, (QList<QColor>{Qt::red, Qt::red}));
}

void FlashRunStatesTest::listOrderGetsTheNextPictureReadyAhead()
{
    toggle();
    QCOMPARE(m_pictures.prefetched, QList<int>{1});
    QVERIFY(interval()->fire());
    m_display->end();
    QCOMPARE(m_pictures.prefetched, QList<int>({1, 2}));
    QVERIFY(interval()->fire());
    m_display->end();
    QCOMPARE(m_pictures.prefetched, QList<int>({1, 2, 1}));
}

void FlashRunStatesTest::pauseRemovesThePictureAndResumesWithAFullInterval()
{
    toggle();
    QVERIFY(m_fakes->pause.isWatching());
    QVERIFY(interval()->fire());
    QVERIFY(m_display->showing);

    m_fakes->pause.setReasons(PauseReason::ScreenLocked);
    QCOMPARE(m_run->state(), State::Paused);
    QCOMPARE(m_run->pauseReasons(), PauseReasons(PauseReason::ScreenLocked));
    QVERIFY2(!m_display->showing, "the picture goes at once");
    QVERIFY(!interval()->isRunning());
    QCOMPARE(m_run->startStopCaption(), FlashRun::StopCaption);
    m_display->end(); // the removed flash's end changes nothing
    QCOMPARE(m_run->state(), State::Paused);

    m_fakes->pause.setReasons(PauseReason::ScreenLocked | PauseReason::FullscreenWindow);
    QCOMPARE(m_run->pauseReasons(), PauseReason::ScreenLocked | PauseReason::FullscreenWindow);

    const int starts = interval()->starts();
    m_fakes->pause.setReasons({});
    QCOMPARE(m_run->state(), State::Waiting);
    QVERIFY(interval()->isRunning());
    QCOMPARE(interval()->starts(), starts + 1);
    QCOMPARE(m_run->nextFlashDue(), m_fakes->clock.time.addMSecs(2000));

    // Stop while paused: the watch rests, and Start works as before.
    m_fakes->pause.setReasons(PauseReason::DoNotDisturb);
    toggle();
    QCOMPARE(m_run->state(), State::Stopped);
    QVERIFY(!m_fakes->pause.isWatching());
    m_fakes->pause.setReasons({});
    toggle();
    QCOMPARE(m_run->state(), State::Waiting);
    QVERIFY(interval()->fire());
    QCOMPARE(m_run->state(), State::Showing);
}

void FlashRunStatesTest::pauseBeforeItsSignalStillHoldsBackTheFlash()
{
    toggle();
    m_fakes->pause.setReasonsUnreported(PauseReason::FullscreenWindow);
    QVERIFY(interval()->fire());
    QCOMPARE(m_run->state(), State::Paused);
    QVERIFY(m_display->shown.isEmpty());
    QVERIFY(!interval()->isRunning());

    // A run started while a pause holds starts paused.
    toggle();
    toggle();
    QCOMPARE(m_run->state(), State::Paused);
}

void FlashRunStatesTest::pausesTheUserDoesNotWantAreIgnored()
{
    m_run->setPauseWhen(PauseReason::ScreenLocked);
    toggle();
    m_fakes->pause.setReasons(PauseReason::DoNotDisturb);
    QCOMPARE(m_run->state(), State::Waiting);
    QVERIFY(interval()->fire());
    QCOMPARE(m_run->state(), State::Showing);

    // Wanting it again pauses at once.
    m_run->setPauseWhen(PauseReason::ScreenLocked | PauseReason::DoNotDisturb);
    QCOMPARE(m_run->state(), State::Paused);
    QVERIFY(!m_display->showing);
}

void FlashRunStatesTest::outsideTheActiveHoursTheRunWaitsForTheirStart()
{
    ActiveHours hours; // Monday to Friday, 09:00 to 17:00
    hours.enabled = true;
    m_run->setActiveHours(hours);
    QDateTime& now = m_fakes->clock.time;
    now = QDateTime(QDate(2026, 12, 8), QTime(16, 59, 59)); // a Tuesday
    toggle();
    QVERIFY(interval()->fire());
    QVERIFY(m_display->showing);
    FakeTimer* wake = m_fakes->timers.find(RunSchedule::TimerName);
    QCOMPARE(wake->interval(), 1000); // one wake-up, at the end of the hours

    now = now.addSecs(1);
    QVERIFY(wake->fire());
    QCOMPARE(m_run->state(), State::Paused);
    QCOMPARE(m_run->pauseReasons(), PauseReasons(PauseReason::OutsideActiveHours));
    QVERIFY2(!m_display->showing, "the picture goes at the boundary");
    QVERIFY(!interval()->isRunning());
    const QDateTime start(QDate(2026, 12, 9), QTime(9, 0));
    QCOMPARE(m_run->pausedUntil(), start);
    QCOMPARE(wake->interval(), 16 * 3600 * 1000);

    // The clock is set forward to 08:00: the wake-up comes early and moves.
    now = start.addSecs(-3600);
    QVERIFY(wake->fire());
    QCOMPARE(m_run->state(), State::Paused);
    QCOMPARE(wake->interval(), 3600 * 1000);
    // Set forward again, or woken from sleep: the leap re-arms at once.
    now = start.addSecs(-60);
    m_fakes->clock.jump();
    QCOMPARE(wake->interval(), 60 * 1000);

    const int shown = int(m_display->shown.size());
    now = start;
    QVERIFY(wake->fire());
    QCOMPARE(m_run->state(), State::Waiting);
    QCOMPARE(m_run->nextFlashDue(), now.addMSecs(2000));
    QCOMPARE(m_display->shown.size(), shown);
}

void FlashRunStatesTest::aPauseForAWhileEndsByItselfOrAtStop()
{
    toggle();
    QDateTime& now = m_fakes->clock.time;
    m_run->pauseUntil(now.addSecs(15 * 60));
    QCOMPARE(m_run->pauseReasons(), PauseReasons(PauseReason::PausedForAWhile));
    QCOMPARE(m_run->pausedUntil(), now.addSecs(15 * 60));
    FakeTimer* wake = m_fakes->timers.find(RunSchedule::TimerName);
    QCOMPARE(wake->interval(), 15 * 60 * 1000);
    now = now.addSecs(15 * 60);
    QVERIFY(wake->fire());
    QCOMPARE(m_run->state(), State::Waiting);

    m_run->pauseUntil(now.addSecs(3600));
    toggle();
    toggle();
    QCOMPARE(m_run->state(), State::Waiting);
    QVERIFY(!m_run->schedule().reasons());
}

void FlashRunStatesTest::aSuspendGivesAFreshIntervalNotAFlash()
{
    toggle();
    // The wall clock says an hour went by; the interval timer saw two seconds.
    m_fakes->clock.time = m_fakes->clock.time.addSecs(3600);
    QVERIFY(interval()->fire());
    QVERIFY(m_display->shown.isEmpty());
    QCOMPARE(m_run->state(), State::Waiting);
    QVERIFY(interval()->isRunning());
    QCOMPARE(m_run->nextFlashDue(), m_fakes->clock.time.addMSecs(2000));

    // A tick on time flashes as ever.
    m_fakes->clock.time = m_fakes->clock.time.addMSecs(2000);
    QVERIFY(interval()->fire());
    QCOMPARE(m_display->shown.size(), 1);
}

void FlashRunStatesTest::theTickComesEarlyByTheTimeAPictureTakesToTheScreen_data()
{
    QTest::addColumn<QList<int>>("latencies"); // each tick's due time to its picture on screen
    QTest::addColumn<QList<int>>("periods");   // the interval timer's period after each flash
    QTest::newRow("slow first") << QList<int>{300, 6, 6} << QList<int>{2000, 1994, 1994};
    QTest::newRow("jump") << QList<int>{6, 6, 40, 9, 9} << QList<int>{2000, 1994, 1994, 1994, 1991};
}
void FlashRunStatesTest::theTickComesEarlyByTheTimeAPictureTakesToTheScreen()
{
    QFETCH(QList<int>, latencies);
    QFETCH(QList<int>, periods);
    QDateTime& now = m_fakes->clock.time;
    toggle();
    for (int i = 0; i < latencies.size(); ++i) {
        now = now.addMSecs(interval()->interval());
        QVERIFY(interval()->fire());
        now = now.addMSecs(latencies.at(i));
        emit m_display->pictureOnScreen();
        m_display->end();
        QCOMPARE(interval()->interval(), periods.at(i));
    }
    toggle();
    toggle();
    QCOMPARE(interval()->interval(), periods.last());

    // The next launch of the program: its first tick, too, comes early.
    toggle();
    m_run.reset();
    m_run = std::make_unique<FlashRun>(m_fakes->services, *m_preferences, m_pictures, m_choices,
                                       *m_display);
    toggle();
    QCOMPARE(interval()->interval(), periods.last());
    now = now.addMSecs(interval()->interval());
    QVERIFY(interval()->fire());
    now = now.addMSecs(2); // faster now: the next tick is never early
    emit m_display->pictureOnScreen();
    m_display->end();
    QCOMPARE(interval()->interval(), 1998);
}

QTEST_GUILESS_MAIN(FlashRunStatesTest)
#include "tst_flashrunstates.moc"
