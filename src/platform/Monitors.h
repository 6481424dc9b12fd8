// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The desktop's monitors as they are at this moment.
struct MonitorLayout {
    // Each monitor's area in logical pixels, in the desktop's coordinates.
    QList<QRect> monitors;
    // Index into monitors; -1 when the window system names no primary.
    int primary = -1;
    // The mouse pointer, in the same coordinates.
    QPoint pointer;
};

// Monitors come and go while the program runs: ask each time, keep nothing.
class Monitors
{
public:
    virtual ~Monitors() = default;
    virtual MonitorLayout layout() const = 0;
};

// The monitors Qt knows of, with the pointer from QCursor.
class ScreenMonitors final : public Monitors
{
public:
    MonitorLayout layout() const override;
};
