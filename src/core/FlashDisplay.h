// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FlashLook.h"
#include "pictures/PictureAnimation.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QSizeF>

// Where the flash run shows its pictures. One flash at a time: show() puts a
// picture on the screen for a duration, counted from when it is really seen
// (pictureOnScreen() tells that moment); flashEnded() follows when the duration
// is over and the picture has gone.
class FlashDisplay : public QObject
{
    Q_OBJECT
public:
    // The size of a flash, in twips.
    static constexpr int WidthTwips = 5295;
    static constexpr int HeightTwips = 3735;

    using QObject::QObject;

    // Gets ready for the next flash ahead of time (creating a window is slow).
    virtual void prepare() = 0;
    // topLeft is in twips from the screen's top-left corner.
    virtual void show(const QImage& picture, const QPointF& topLeft, int durationMs) = 0;
    // As show(), the animation's frames played in turn, looping, from the
    // first; a display that cannot play them shows the first still.
    virtual void showAnimation(std::shared_ptr<const PictureAnimation> animation,
                               const QPointF& topLeft, int durationMs)
    {
        show(animation->frames.constFirst(), topLeft, durationMs);
    }
    // The look of the flashes that follow; a display that cannot blend
    // shows them plain.
    virtual void setLook(const FlashLook& look) { Q_UNUSED(look) }
    // The size of the flashes that follow, in twips; the standard size
    // (WidthTwips by HeightTwips) until set.
    virtual void setWindowSize(const QSizeF& twips) { Q_UNUSED(twips) }
    // The picture on the screen, if any, goes at once; flashEnded() does not follow.
    virtual void remove() = 0;
    // Lets go of everything, the window made ahead included.
    virtual void release() = 0;

signals:
    void pictureOnScreen();
    void flashEnded();
};
