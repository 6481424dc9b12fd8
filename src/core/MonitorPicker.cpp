// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MonitorPicker.h"

#include "core/FlashLook.h"
#include "platform/Monitors.h"
#include "platform/Units.h"

#include <algorithm>

const QRect MonitorPicker::FallbackArea(0, 0, 1024, 768);

namespace
{

// The order of the turn: left to right, then top to bottom.
bool before(const QRect& a, const QRect& b)
{
    return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
}

} // namespace

MonitorPicker::MonitorPicker(const Monitors& monitors) : m_monitors(monitors) {}

QRect MonitorPicker::nextMonitor()
{
    const MonitorLayout layout = m_monitors.layout();
    switch (m_showPicturesOn) {
    case ShowPicturesOn::Pointer:
        for (const QRect& monitor : layout.monitors)
            if (monitor.contains(layout.pointer))
                return monitor;
        break;
    case ShowPicturesOn::Each:
        return nextInTurn(layout);
    case ShowPicturesOn::Primary:
        break;
    }
    return primaryOf(layout);
}

Placement MonitorPicker::placeNext(const QSizeF& windowTwips, bool randomPlace, Random& random)
{
    const QRectF monitor = toTwips(nextMonitor());
    return randomPlace ? Placement::random(monitor, windowTwips, random)
                       : Placement::centre(monitor, windowTwips);
}

Placement MonitorPicker::placeWithin(QSizeF* windowTwips, bool randomPlace, Random& random)
{
    const QRectF monitor = toTwips(nextMonitor());
    if (windowTwips->width() > monitor.width() || windowTwips->height() > monitor.height())
        *windowTwips = windowTwips->scaled(monitor.size(), Qt::KeepAspectRatio);
    return randomPlace ? Placement::random(monitor, *windowTwips, random)
                       : Placement::centre(monitor, *windowTwips);
}

Placement MonitorPicker::placeNext(const FlashLook& look, const QSizeF& picture, bool randomPlace,
                                   Random& random, QSizeF* windowTwips)
{
    const QRectF monitor = toTwips(nextMonitor());
    *windowTwips = look.windowTwips(monitor.size(), picture);
    return randomPlace ? Placement::random(monitor, *windowTwips, random)
                       : Placement::centre(monitor, *windowTwips);
}

QRectF MonitorPicker::toTwips(const QRect& pixels)
{
    return QRectF(Units::toTwips(pixels.x()), Units::toTwips(pixels.y()),
                  Units::toTwips(pixels.width()), Units::toTwips(pixels.height()));
}

QRect MonitorPicker::primaryOf(const MonitorLayout& layout)
{
    if (layout.primary >= 0 && layout.primary < layout.monitors.size())
        return layout.monitors.at(layout.primary);
    return layout.monitors.isEmpty() ? FallbackArea : layout.monitors.constFirst();
}

QRect MonitorPicker::nextInTurn(const MonitorLayout& layout)
{
    if (layout.monitors.isEmpty())
        return FallbackArea;
    QList<QRect> monitors = layout.monitors;
    std::sort(monitors.begin(), monitors.end(), before);
    // After the monitor used last, even if that one has gone since; mirrored
    // monitors (the same area) count once.
    auto next = monitors.cbegin();
    if (m_lastInTurn) {
        next = std::find_if(monitors.cbegin(), monitors.cend(), [this](const QRect& monitor) {
            return before(*m_lastInTurn, monitor);
        });
        if (next == monitors.cend())
            next = monitors.cbegin();
    }
    m_lastInTurn = *next;
    return *next;
}
