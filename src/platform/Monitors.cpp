// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Monitors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

MonitorLayout ScreenMonitors::layout() const
{
    MonitorLayout layout;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        if (screen == primary)
            layout.primary = int(layout.monitors.size());
        layout.monitors << screen->geometry();
    }
    layout.pointer = QCursor::pos();
    return layout;
}
