// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTimer.h"

namespace
{
// Waits shorter than this end late by under a millisecond; a longer one ends
// this much before its time plus a thousandth of its length, and the rest is
// waited for on its own.
constexpr qint64 LastStepMs = 1000;
constexpr qint64 LastStepMarginMs = 2;
} // namespace

QtTimer::QtTimer(QObject* parent) : Timer(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QtTimer::stepEnded);
}

void QtTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    restart();
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void QtTimer::restart()
{
    if (m_enabled && m_interval > 0) {
        m_due = QDeadlineTimer(m_interval, Qt::PreciseTimer);
        waitForDue();
    } else {
        m_timer.stop();
    }
}

void QtTimer::waitForDue()
{
    // Whole milliseconds, rounded up: a tick never comes before its time.
    const qint64 remainingMs = (m_due.remainingTimeNSecs() + 999'999) / 1'000'000;
    const qint64 early = remainingMs >= LastStepMs ? remainingMs / 1000 + LastStepMarginMs : 0;
    m_timer.start(int(remainingMs - early));
}

void QtTimer::stepEnded()
{
    if (!m_due.hasExpired()) {
        waitForDue();
        return;
    }
    // The next period counts from when this one was due; one missed
    // altogether (a busy or sleeping machine) is not made up for.
    m_due = QDeadlineTimer::addNSecs(m_due, qint64(m_interval) * 1'000'000);
    if (m_due.hasExpired())
        m_due = QDeadlineTimer(m_interval, Qt::PreciseTimer);
    waitForDue();
    emit timeout();
}

Timer* QtTimerFactory::create(const QString& name, QObject* parent)
{
    auto* timer = new QtTimer(parent);
    timer->setObjectName(name);
    return timer;
}
