// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include "platform/ClockJumpWatch.h"

SystemClock::SystemClock() = default;
SystemClock::~SystemClock() = default;

void SystemClock::onJump(QObject* context, std::function<void()> jumped)
{
    if (!m_watch)
        m_watch = std::make_unique<ClockJumpWatch>();
    QObject::connect(m_watch.get(), &ClockJumpWatch::jumped, context, std::move(jumped));
}
