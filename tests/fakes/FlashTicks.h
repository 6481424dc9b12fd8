// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"

#include <QTest>

// Fires the interval timer and waits until the flash's picture is on the
// screen: a picture read back from the cache comes a moment after the tick.
// Returns the flash window, or nullptr when no tick was due or nothing showed.
inline FlashWindow* tickAndWaitForFlash(FakeTimer* interval, FlashWindows& windows,
                                        int timeoutMs = 5000)
{
    if (!interval || !interval->fire())
        return nullptr;
    if (!QTest::qWaitFor(
            [&windows] { return windows.current() && windows.current()->isPictureOnScreen(); },
            timeoutMs))
        return nullptr;
    return windows.current();
}
