#pragma once

#include <QSizeF>

class Random;

// Where the flash window goes, in twips from the screen's top-left corner.
// Doubles throughout: a centred window keeps its half twip, and screens of
// any size are covered.
struct Placement {
    double top = 0;
    double left = 0;

    // The window's middle on the screen's middle, fractions included.
    static Placement centre(const QSizeF& screen, const QSizeF& window);
    // A random place that keeps a smaller window wholly on the screen. Draws
    // twice: first for the top, then for the left.
    static Placement random(const QSizeF& screen, const QSizeF& window, Random& random);

    // To the nearest whole number; a half goes to the even neighbour.
    static double roundHalfEven(double value);
};
