// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Placement.h"
#include "settings/ShowPicturesOn.h"

#include <QRect>
#include <QRectF>
#include <optional>

struct FlashLook;
class Monitors;
struct MonitorLayout;
class Random;

// Picks the monitor for each flash, as the user's ShowPicturesOn says, and
// places the flash window on it. The monitors are asked afresh every time: one unplugged during a
// run is never chosen again, one plugged in is used from the next flash on.
class MonitorPicker
{
public:
    // The area used when the window system reports no monitor at all.
    static const QRect FallbackArea;

    explicit MonitorPicker(const Monitors& monitors);

    void setShowPicturesOn(ShowPicturesOn choice) { m_showPicturesOn = choice; }

    // The next flash's monitor in logical pixels. With Each, every call moves
    // the turn on to the next monitor, left to right.
    QRect nextMonitor();
    // Where the next flash window goes: on the next monitor, centred or at a
    // random place that keeps it wholly on that monitor.
    Placement placeNext(const QSizeF& windowTwips, bool randomPlace, Random& random);
    // As above, a window no larger than that monitor: one larger is made
    // as large as fits, its proportions kept, in windowTwips.
    Placement placeWithin(QSizeF* windowTwips, bool randomPlace, Random& random);
    // As above, the window as large as the look makes it for this picture
    // on that monitor; its size goes to windowTwips.
    Placement placeNext(const FlashLook& look, const QSizeF& picture, bool randomPlace,
                        Random& random, QSizeF* windowTwips);

    static QRectF toTwips(const QRect& pixels);

private:
    static QRect primaryOf(const MonitorLayout& layout);
    QRect nextInTurn(const MonitorLayout& layout);

    const Monitors& m_monitors;
    ShowPicturesOn m_showPicturesOn = ShowPicturesOn::Primary;
    std::optional<QRect> m_lastInTurn;
};
