// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class Screen
{
public:
    virtual ~Screen() = default;
    // The primary screen's size in logical pixels.
    virtual QSize size() const = 0;
    // Device pixels per logical pixel of the primary screen.
    virtual double scaleFactor() const = 0;
    // Whether the desktop blends windows with what lies beneath them now: a
    // Wayland compositor, or on X11 a compositing manager (the owner of
    // _NET_WM_CM_S<screen>). Without one, opacity and transparency show black.
    virtual bool composites() const = 0;
};

class PrimaryScreen final : public Screen
{
public:
    QSize size() const override;
    double scaleFactor() const override;
    bool composites() const override;
};

// Sends what Qt has queued for the window system now. A window's opacity is a
// property of its own that no repaint carries, and would otherwise wait in
// the queue until the program next talks to the X server.
void flushWindowSystem();
