// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Placement.h"

#include "platform/Random.h"

#include <cmath>

Placement Placement::centre(const QSizeF& screen, const QSizeF& window)
{
    Placement place;
    place.top = (screen.height() - window.height()) / 2;
    place.left = (screen.width() - window.width()) / 2;
    return place;
}

Placement Placement::random(const QSizeF& screen, const QSizeF& window, Random& random)
{
    Placement place;
    place.top = roundHalfEven(random.next() * (screen.height() - window.height()));
    place.left = roundHalfEven(random.next() * (screen.width() - window.width()));
    return place;
}

Placement Placement::centre(const QRectF& monitor, const QSizeF& window)
{
    return centre(monitor.size(), window).movedBy(monitor.topLeft());
}

Placement Placement::random(const QRectF& monitor, const QSizeF& window, Random& random)
{
    return Placement::random(monitor.size(), window, random).movedBy(monitor.topLeft());
}

Placement Placement::movedBy(const QPointF& origin) const
{
    return Placement{top + origin.y(), left + origin.x()};
}

double Placement::roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}
