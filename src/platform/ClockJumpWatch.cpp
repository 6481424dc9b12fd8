// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClockJumpWatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

ClockJumpWatch::ClockJumpWatch(QObject* parent) : QObject(parent)
{
    m_timer = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timer < 0 || !arm()) {
        // Without it, the run's timers still work the clock out at each tick.
        qWarning("The program cannot watch the clock for changes (%s).", std::strerror(errno));
        return;
    }
    m_notifier = new QSocketNotifier(m_timer, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ClockJumpWatch::readable);
}

ClockJumpWatch::~ClockJumpWatch()
{
    delete m_notifier;
    if (m_timer >= 0)
        close(m_timer);
}

bool ClockJumpWatch::arm()
{
    itimerspec never{};
    never.it_value.tv_sec = 4'102'444'800; // 2100-01-01
    return timerfd_settime(m_timer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) ==
           0;
}

void ClockJumpWatch::readable()
{
    std::uint64_t expirations = 0;
    const bool cancelled =
        read(m_timer, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
    // A cancelled timer stays cancelled until armed again.
    arm();
    if (cancelled)
        emit jumped();
}
