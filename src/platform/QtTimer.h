// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Timer.h"

#include <QDeadlineTimer>
#include <QTimer>

// Timer on a precise QTimer. QTimer's own "interval 0 fires when idle" meaning
// never shows through: a period of 0 stops the underlying timer.
//
// Linux lets a long sleep end late by a thousandth of its length, to save
// wake-ups: a 10 s period would tick up to 10 ms late. A long period is
// therefore waited for in two steps, all but its last milliseconds and then
// the rest, which is short enough to end on time. Periods follow one another
// from when each was due, not from when its tick came.
class QtTimer final : public Timer
{
    Q_OBJECT
public:
    explicit QtTimer(QObject* parent = nullptr);

    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }

private:
    void restart();
    void waitForDue();
    void stepEnded();

    QTimer m_timer;
    QDeadlineTimer m_due;
    int m_interval = 0;
    bool m_enabled = false;
};

class QtTimerFactory final : public TimerFactory
{
public:
    Timer* create(const QString& name, QObject* parent) override;
};
