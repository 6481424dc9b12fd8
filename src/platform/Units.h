// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Window positions and sizes are laid out in twips (1/1440 inch). At 96 dpi a
// pixel is 15 twips, and Qt's logical pixels are exactly that unit.
namespace Units
{

inline constexpr int TwipsPerPixel = 15;

constexpr int px(double twips)
{
    const double pixels = twips / TwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr double toTwips(int pixels)
{
    return double(pixels) * TwipsPerPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize size(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace Units
