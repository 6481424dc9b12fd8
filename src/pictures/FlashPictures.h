// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureAnimation.h"
#include "pictures/PictureAvailability.h"

#include <QImage>

// What the flash run needs of the library: how many slots there are, and the
// picture of each at the flash window's size. Slots are numbered from 1.
class FlashPictures
{
public:
    using Availability = PictureAvailability;

    virtual ~FlashPictures() = default;

    virtual int slotCount() const = 0;
    virtual Availability flashPicture(int slot, QImage* picture) = 0;
    // Gets slot k's picture ready ahead of its flash, and its frames when it
    // is an animation.
    virtual void prefetch(int slot) = 0;
    // Slot k's frames when it is an animation they were got ready for; null
    // otherwise, and its flash picture is shown still.
    virtual std::shared_ptr<const PictureAnimation> animation(int slot) const
    {
        Q_UNUSED(slot);
        return nullptr;
    }
    // Lets go of the frames and large pictures got ready, once no flash can
    // need them.
    virtual void letGoOfPreparedFlashes() {}
    // The size of the flash window the pictures that follow are for, in
    // device pixels: empty for the standard window, whose pictures are
    // stretched to it; otherwise each is as large as fits in it.
    virtual void setFlashBox(QSize box) { Q_UNUSED(box) }
    // Whether slot's picture was drawn at the size it is shown at, in the
    // screen's device pixels (a message): its window is as large as it is.
    virtual bool isDrawnToSize(int slot) const
    {
        Q_UNUSED(slot);
        return false;
    }
};
