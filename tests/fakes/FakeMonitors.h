// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Monitors.h"

// Monitors a test plugs in and out at will.
class FakeMonitors final : public Monitors
{
public:
    MonitorLayout layout() const override
    {
        ++asked;
        return current;
    }

    // Two 1024 x 768 monitors, the primary on the right.
    static MonitorLayout primaryOnTheRight()
    {
        return {{QRect(1024, 0, 1024, 768), QRect(0, 0, 1024, 768)}, 0, QPoint(1500, 300)};
    }

    MonitorLayout current = primaryOnTheRight();
    mutable int asked = 0;
};
