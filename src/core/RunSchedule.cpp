// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunSchedule.h"

#include <algorithm>
#include <limits>

const QString RunSchedule::TimerName = QStringLiteral("scheduleTimer");

RunSchedule::RunSchedule(Clock& clock, TimerFactory& timers, QObject* parent)
    : QObject(parent), m_clock(clock), m_timer(timers.create(TimerName, this))
{
    connect(m_timer, &Timer::timeout, this, &RunSchedule::ticked);
    // The timer counts neither a clock that is set nor a machine asleep.
    m_clock.onJump(this, [this] {
        if (m_watching)
            recheck();
    });
}

void RunSchedule::setActiveHours(const ActiveHours& hours)
{
    m_hours = hours;
    recheck();
}

void RunSchedule::pauseUntil(const QDateTime& until)
{
    m_pausedUntil = until;
    recheck();
}

QDateTime RunSchedule::tomorrow() const
{
    const QDate next = m_clock.today().addDays(1);
    const QDateTime start = m_hours.nextStart(QDateTime(next, QTime(0, 0)));
    return start.isValid() ? start : QDateTime(next, QTime(6, 0));
}

PauseReasons RunSchedule::reasons() const
{
    const QDateTime now = m_clock.now();
    PauseReasons reasons;
    if (!m_hours.contains(now))
        reasons |= PauseReason::OutsideActiveHours;
    if (m_pausedUntil.isValid() && now < m_pausedUntil)
        reasons |= PauseReason::PausedForAWhile;
    return reasons;
}

QDateTime RunSchedule::waitsUntil() const
{
    const QDateTime now = m_clock.now();
    QDateTime until;
    if (m_pausedUntil.isValid() && now < m_pausedUntil)
        until = m_pausedUntil;
    // Both hold: the wait lasts until the later of the two ends.
    if (!m_hours.contains(now)) {
        const QDateTime start = m_hours.nextStart(now);
        until = start.isValid() ? qMax(until, start) : QDateTime();
    }
    return until;
}

void RunSchedule::setWatching(bool watching)
{
    m_watching = watching;
    recheck();
}

void RunSchedule::recheck()
{
    const QDateTime now = m_clock.now();
    if (m_pausedUntil.isValid() && now >= m_pausedUntil)
        m_pausedUntil = {};
    arm();
    const PauseReasons current = reasons();
    if (current != m_reported) {
        m_reported = current;
        emit reasonsChanged(current);
    }
}

void RunSchedule::arm()
{
    const QDateTime now = m_clock.now();
    QDateTime due = m_watching ? m_hours.nextBoundary(now) : QDateTime();
    if (m_watching && m_pausedUntil.isValid() && (!due.isValid() || m_pausedUntil < due))
        due = m_pausedUntil;
    if (!due.isValid()) {
        m_timer->setEnabled(false);
        return;
    }
    const qint64 ms = now.msecsTo(due);
    m_timer->setInterval(int(std::clamp<qint64>(ms, 1, std::numeric_limits<int>::max())));
    m_timer->setEnabled(true);
}

void RunSchedule::ticked()
{
    // A tick is not taken for the boundary itself: the clock may have been set
    // since, or the machine slept, or the timer came a little early. The
    // reasons and the next wake-up come from the clock again.
    recheck();
}
