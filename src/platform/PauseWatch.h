// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QObject>

// Why a run holds back its flashes. The last two follow the clock, not the
// desktop: the run's own schedule reports them.
enum class PauseReason {
    ScreenLocked = 0x1,
    FullscreenWindow = 0x2,
    DoNotDisturb = 0x4,
    ScreenShared = 0x8, // shared in a call, or recorded
    InCall = 0x10,      // a microphone or camera in use
    OutsideActiveHours = 0x20,
    PausedForAWhile = 0x40,
};
Q_DECLARE_FLAGS(PauseReasons, PauseReason)
Q_DECLARE_OPERATORS_FOR_FLAGS(PauseReasons)

// Tells a run when it must not flash.
class PauseWatch : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~PauseWatch() override = default;

    // The reasons that hold now, from what the sources last reported; never
    // waits on D-Bus (an X11 round trip at most).
    virtual PauseReasons reasons() const = 0;
    // Watches while a run is on; idle otherwise.
    virtual void setWatching(bool watching) = 0;

signals:
    void reasonsChanged(PauseReasons reasons);
};
