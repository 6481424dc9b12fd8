// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>

class Random;

// Where the flash window goes, in twips. Doubles throughout: a centred window
// keeps its half twip, and screens of any size are covered.
//
// The QSizeF forms measure from the screen's top-left corner. The QRectF forms
// place on one monitor of the desktop, in the desktop's coordinates: on X11
// the primary monitor can sit anywhere, not only at 0, 0.
struct Placement {
    double top = 0;
    double left = 0;

    // The window's middle on the screen's middle, fractions included.
    static Placement centre(const QSizeF& screen, const QSizeF& window);
    // A random place that keeps a smaller window wholly on the screen. Draws
    // twice: first for the top, then for the left.
    static Placement random(const QSizeF& screen, const QSizeF& window, Random& random);

    // The same arithmetic on the monitor's area, offset by its top-left corner.
    static Placement centre(const QRectF& monitor, const QSizeF& window);
    static Placement random(const QRectF& monitor, const QSizeF& window, Random& random);

    // To the nearest whole number; a half goes to the even neighbour.
    static double roundHalfEven(double value);

private:
    Placement movedBy(const QPointF& origin) const;
};
