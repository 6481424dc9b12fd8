// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/PauseWatch.h"
#include "platform/Timer.h"
#include "settings/ActiveHours.h"

#include <QObject>

// The pauses that follow the clock: outside the active hours, and the user's
// "pause for a while". One timer wakes the run at the next change, whichever
// comes first; nothing polls. A timer counts elapsed time, not the wall clock,
// so each tick works out the reasons and the next wake-up from the clock
// again, and so does each leap of the clock (set, or a wake from sleep).
class RunSchedule : public QObject
{
    Q_OBJECT
public:
    static const QString TimerName;

    RunSchedule(Clock& clock, TimerFactory& timers, QObject* parent = nullptr);

    void setActiveHours(const ActiveHours& hours);
    const ActiveHours& activeHours() const { return m_hours; }
    // Holds back the run until then; an invalid time ends the pause.
    void pauseUntil(const QDateTime& until);
    // "Tomorrow": the first start of the active hours from tomorrow on, or
    // 06:00 tomorrow without them.
    QDateTime tomorrow() const;
    QDateTime now() const { return m_clock.now(); }

    // The reasons that hold now, from the clock.
    PauseReasons reasons() const;
    // When the present wait ends; invalid when nothing waits or it never ends.
    QDateTime waitsUntil() const;
    // The timer runs only while a run watches.
    void setWatching(bool watching);
    // Something hints that the clock may have moved (a suspend, say).
    void recheck();

signals:
    void reasonsChanged(PauseReasons reasons);

private:
    void arm();
    void ticked();

    Clock& m_clock;
    Timer* m_timer;
    ActiveHours m_hours;
    QDateTime m_pausedUntil;
    PauseReasons m_reported;
    bool m_watching = false;
};
