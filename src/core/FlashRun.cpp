// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FlashRun.h"

#include "core/FlashDisplay.h"
#include "core/Placement.h"
#include "pictures/FlashPictures.h"
#include "platform/Translated.h"
#include "platform/Units.h"
#include "preferences/Preferences.h"
#include "settings/DisplayChoices.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

const QString FlashRun::StartCaption = QStringLiteral(QT_TRANSLATE_NOOP("FlashRun", "&Start"));
const QString FlashRun::StopCaption = QStringLiteral(QT_TRANSLATE_NOOP("FlashRun", "&Stop"));
const QString FlashRun::NoPictureMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("FlashRun", "Please Select Atleast One Image To Display Your Picture"));
const QString FlashRun::IntervalTimerName = QStringLiteral("intervalTimer");

FlashRun::FlashRun(const Services& services, Preferences& preferences, FlashPictures& pictures,
                   DisplayChoices& choices, FlashDisplay& display, QObject* parent)
    : QObject(parent), m_services(services), m_preferences(preferences), m_pictures(pictures),
      m_choices(choices), m_display(display),
      m_intervalTimer(m_services.timers.create(IntervalTimerName, this)),
      m_schedule(new RunSchedule(m_services.clock, m_services.timers, this)),
      m_monitorPicker(m_services.monitors)
{
    connect(m_intervalTimer, &Timer::timeout, this, &FlashRun::intervalTicked);
    connect(&m_display, &FlashDisplay::pictureOnScreen, this, &FlashRun::pictureOnScreen);
    connect(&m_display, &FlashDisplay::flashEnded, this, &FlashRun::flashEnded);
    connect(&m_services.pause, &PauseWatch::reasonsChanged, this, &FlashRun::followPause);
    connect(m_schedule, &RunSchedule::reasonsChanged, this, &FlashRun::followPause);
}

void FlashRun::pauseUntil(const QDateTime& until)
{
    if (!isRunning())
        return;
    m_schedule->pauseUntil(until);
    // A longer pause keeps the reasons but changes when the run goes on.
    emit scheduleChanged();
}

QDateTime FlashRun::pausedUntil() const
{
    return m_state == State::Paused ? m_schedule->waitsUntil() : QDateTime();
}

QString FlashRun::startStopCaption() const
{
    return translated("FlashRun", isRunning() ? StopCaption : StartCaption);
}

QString FlashRun::startCaption()
{
    return translated("FlashRun", StartCaption);
}

void FlashRun::setPauseWhen(PauseReasons reasons)
{
    m_pauseWhen = reasons;
    followPause();
}

PauseReasons FlashRun::pauseNow() const
{
    // The schedule's reasons are the user's own choice: always obeyed.
    return (m_services.pause.reasons() & m_pauseWhen) | m_schedule->reasons();
}

void FlashRun::followPause()
{
    if (!isRunning())
        return;
    const PauseReasons reasons = pauseNow();
    if (reasons)
        pause(reasons);
    else if (m_state == State::Paused)
        resume();
}

void FlashRun::pause(PauseReasons reasons)
{
    // A picture on the screen goes at once; no interval counts while paused.
    m_display.remove();
    m_tickDue = {};
    m_intervalTimer->setEnabled(false);
    const bool changed = reasons != m_pausedFor;
    m_pausedFor = reasons;
    setState(State::Paused);
    if (changed)
        emit scheduleChanged();
}

void FlashRun::resume()
{
    // A fresh, full interval before the next picture.
    m_pausedFor = {};
    beginInterval();
    m_intervalTimer->setEnabled(true);
    if (m_intervalTimer->interval() > 0)
        m_display.prepare();
    setState(State::Waiting);
}

void FlashRun::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

QDateTime FlashRun::nextFlashDue() const
{
    if (!m_intervalTimer->isRunning() || !m_intervalStart.isValid())
        return {};
    return m_intervalStart.addMSecs(m_waitMs);
}

void FlashRun::beginInterval()
{
    m_intervalStart = m_services.clock.now();
    m_waitMs = drawWait();
    m_intervalTimer->setInterval(m_waitMs - m_showLatency.estimateMs());
}

int FlashRun::drawWait()
{
    // Each wait drawn evenly within the chosen share either side of the
    // interval; none is drawn while it is fixed.
    const int spread = m_preferences.number(Preference::IntervalSpread);
    if (spread <= 0)
        return m_intervalMs;
    const double longest = m_intervalMs * (1.0 + spread / 100.0);
    const double shortest =
        std::min(double(m_intervalMs),
                 std::max(double(ShortestWaitMs), m_intervalMs * (1.0 - spread / 100.0)));
    return int(std::lround(shortest + (longest - shortest) * m_services.random.next()));
}

Outcome FlashRun::start()
{
    if (m_pictures.slotCount() < 1)
        return Outcome::refused(translated("FlashRun", NoPictureMessage));
    m_scheduler.start();
    // The first picture, too, is seen one interval after Start: its tick goes
    // by how fast a picture reached the screen last time.
    if (!m_showLatency.isKnown() && m_preferences.holds(Preference::KeptShowLatency))
        m_showLatency.setKept(m_preferences.number(Preference::KeptShowLatency));
    m_intervalMs = m_choices.current().intervalSeconds() * 1000;
    beginInterval();
    m_intervalTimer->setEnabled(true);
    m_services.pause.setWatching(true);
    m_schedule->pauseUntil({});
    m_schedule->setWatching(true);
    if (m_intervalTimer->isRunning())
        m_display.prepare();
    setState(State::Waiting);
    followPause();
    prefetchNext();
    emit minimiseRequested();
    return Outcome::done();
}

void FlashRun::followIntervalChoice()
{
    if (isRunning())
        m_intervalMs = m_choices.current().intervalSeconds() * 1000;
}

void FlashRun::stop()
{
    m_intervalTimer->setInterval(0);
    m_intervalTimer->setEnabled(true);
    m_display.remove();
    leaveRun();
}

void FlashRun::end()
{
    m_intervalTimer->setInterval(0);
    m_intervalTimer->setEnabled(false);
    m_display.release();
    leaveRun();
}

void FlashRun::leaveRun()
{
    if (m_showLatency.isKnown() && isRunning())
        m_preferences.setNumber(Preference::KeptShowLatency, m_showLatency.estimateMs());
    m_services.pause.setWatching(false);
    // Up to 32 MB of frames: not kept while no run is on.
    m_pictures.letGoOfPreparedFlashes();
    m_pausedFor = {};
    m_tickDue = {};
    setState(State::Stopped);
    // Only now: a stopped run ignores what the schedule then reports.
    m_schedule->setWatching(false);
    m_schedule->pauseUntil({});
}

void FlashRun::intervalTicked()
{
    // The interval timer does not count while the machine sleeps, the wall
    // clock does: a tick far later than its interval follows a suspend, and
    // the run starts a fresh interval rather than flashing at once on waking.
    const qint64 elapsed = m_intervalStart.msecsTo(m_services.clock.now());
    const bool slept = elapsed > qint64(m_waitMs) + SuspendSlackMs;
    const int timed = m_intervalTimer->interval();
    const QDateTime due = m_intervalStart.addMSecs(timed);
    // A tick starts the next period; it counts only if no flash pauses it.
    beginInterval();
    m_display.remove();
    // A tick a second or more away from its time by the clock: the clock was
    // set, and the schedule's wake-up is worked out again.
    if (slept || qAbs(elapsed - timed) > ClockJumpMs)
        m_schedule->recheck();
    if (slept) {
        emit scheduleChanged();
        return;
    }
    // Checked again here: a pause whose signal has not come yet still holds.
    if (const PauseReasons reasons = pauseNow()) {
        pause(reasons);
        return;
    }

    const DisplaySettings choices = m_choices.current();
    const auto order = choices.randomOrder() ? Scheduler::Order::Random : Scheduler::Order::List;
    const int slot = m_scheduler.chooseSlot(order, m_pictures.slotCount(), m_services.random);
    // Every picture deleted during the run: this tick passes, the run goes on.
    if (slot < 1) {
        setState(State::Waiting);
        emit scheduleChanged();
        return;
    }

    m_tickDue = due;
    flash(slot);
}

QSize FlashRun::flashBox(const FlashLook& look) const
{
    if (!look.fitsPicture())
        return {};
    // Prepared for the primary monitor; another one's window draws it to fit.
    const QSizeF screen = QSizeF(m_services.screen.size()) * Units::TwipsPerPixel;
    const QSizeF window = look.boxTwips(screen) / Units::TwipsPerPixel;
    return (window * m_services.screen.scaleFactor()).toSize();
}

void FlashRun::flash(int slot)
{
    const FlashLook look = FlashLook::load(m_preferences);
    m_pictures.setFlashBox(flashBox(look));
    QImage picture;
    FlashPictures::Availability availability = m_pictures.flashPicture(slot, &picture);
    // An entry without a readable picture (its copy missing or empty) is
    // passed over for the next one, in list order the scheduler's own next;
    // with none readable the tick passes and nothing is shown.
    const int count = m_pictures.slotCount();
    for (int tried = 1; availability == FlashPictures::Availability::Unreadable && tried < count;
         ++tried) {
        slot = m_choices.current().randomOrder()
                   ? slot % count + 1
                   : m_scheduler.chooseSlot(Scheduler::Order::List, count, m_services.random);
        availability = m_pictures.flashPicture(slot, &picture);
    }
    if (availability == FlashPictures::Availability::Unreadable) {
        m_tickDue = {};
        if (!m_intervalTimer->isEnabled()) { // waited for a picture that proved unreadable
            beginInterval();
            m_intervalTimer->setEnabled(true);
        }
        setState(State::Waiting);
        emit scheduleChanged();
        return;
    }
    if (availability == FlashPictures::Availability::Pending) {
        // The picture is only late: it goes first, and the flash waits for it.
        // Its wait says nothing of how fast a picture reaches the screen.
        m_tickDue = {};
        m_preparingSlot = slot;
        m_intervalTimer->setEnabled(false);
        setState(State::Preparing);
        return;
    }
    const DisplaySettings choices = m_choices.current();
    const auto animation = m_pictures.animation(slot);
    const QSizeF pictureSize = animation ? animation->frames.constFirst().size() : picture.size();
    QSizeF size;
    Placement place;
    if (m_pictures.isDrawnToSize(slot)) {
        // Its own size, drawn for the primary monitor; a smaller monitor
        // shows it as large as fits there.
        size = pictureSize / m_services.screen.scaleFactor() * Units::TwipsPerPixel;
        place = m_monitorPicker.placeWithin(&size, choices.randomLocation(), m_services.random);
    } else {
        place = m_monitorPicker.placeNext(look, pictureSize, choices.randomLocation(),
                                          m_services.random, &size);
    }
    const QPointF topLeft(place.left, place.top);
    m_shownSlot = slot;
    m_display.setLook(look);
    m_display.setWindowSize(size);
    if (animation)
        m_display.showAnimation(animation, topLeft, choices.durationMilliseconds());
    else
        m_display.show(picture, topLeft, choices.durationMilliseconds());
    m_intervalTimer->setEnabled(false);
    setState(State::Showing);
}

void FlashRun::prefetchNext()
{
    const int count = m_pictures.slotCount();
    const int slot = m_choices.current().randomOrder()
                         ? m_scheduler.drawAhead(count, m_services.random)
                         : m_scheduler.nextInList(count);
    m_pictures.setFlashBox(flashBox(FlashLook::load(m_preferences)));
    if (slot > 0)
        m_pictures.prefetch(slot);
}

void FlashRun::flashPictureReady()
{
    if (m_state != State::Preparing)
        return;
    // The list may have changed meanwhile: a slot gone starts a fresh interval.
    if (m_preparingSlot > m_pictures.slotCount()) {
        beginInterval();
        m_intervalTimer->setEnabled(true);
        setState(State::Waiting);
        return;
    }
    flash(m_preparingSlot);
}

void FlashRun::pictureOnScreen()
{
    emit pictureShown(m_shownSlot);
    if (!m_tickDue.isValid())
        return;
    m_showLatency.add(m_tickDue.msecsTo(m_services.clock.now()));
    m_tickDue = {};
}

void FlashRun::flashEnded()
{
    if (m_state != State::Showing)
        return;
    beginInterval();
    m_intervalTimer->setEnabled(true);
    setState(State::Waiting);
    // Made during the dark time, so the next flash finds its window ready.
    QTimer::singleShot(0, this, [this] {
        if (m_intervalTimer->interval() > 0)
            m_display.prepare();
    });
    prefetchNext();
}
