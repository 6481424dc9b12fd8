// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QtGlobal>

class Preferences;

// How a flash looks beyond its picture: how opaque it is, how long it takes
// to appear and to go, and how large it is. The display duration is the time
// the picture is at its opacity; the fade in comes before it and the fade out
// after it. Kept in the settings file's section "look".
struct FlashLook {
    static constexpr int MinOpacity = 5;
    static constexpr int MaxFadeMs = 500;

    // The flash window's size. Standard is the window every flash had, the
    // picture stretched to it. The others are shares of the monitor's area
    // that the picture is fitted in, its proportions kept; the window is the
    // picture's, so that what lies around it stays in sight on any desktop.
    enum class Size { Standard, Quarter, Half, Screen };

    int opacityPercent = 100;
    int fadeInMs = 0;
    int fadeOutMs = 0;
    Size size = Size::Standard;

    // Today's flash: fully opaque, there and gone at once.
    bool isPlain() const { return opacityPercent >= 100 && fadeInMs <= 0 && fadeOutMs <= 0; }
    // The window's opacity, from 0 to 1, elapsedMs after the picture was
    // first seen, for a duration at full strength.
    double opacityAt(qint64 elapsedMs, int durationMs) const;
    // Whether the picture keeps its proportions inside a larger window.
    bool fitsPicture() const { return size != Size::Standard; }
    // The space the picture is fitted in on a monitor of this size, both in
    // twips; for Standard, the window itself.
    QSizeF boxTwips(const QSizeF& monitorTwips) const;
    // The flash window's size for a picture of this size (only its
    // proportions count) on a monitor of this size, in twips.
    QSizeF windowTwips(const QSizeF& monitorTwips, const QSizeF& picture) const;

    static FlashLook load(const Preferences& preferences);
    void save(Preferences& preferences) const;

    bool operator==(const FlashLook&) const = default;
};
