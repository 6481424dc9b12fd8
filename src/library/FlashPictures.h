#pragma once

#include <QImage>

// What the flash run needs of the library: how many slots there are, and the
// picture of each at the flash window's size. Slots are numbered from 1.
class FlashPictures
{
public:
    enum class Availability {
        Ready,      // the picture is given
        Pending,    // still being prepared: it goes first, and the owner says when it is there
        Unreadable, // the entry has no readable picture: the empty window is shown
    };

    virtual ~FlashPictures() = default;

    virtual int slotCount() const = 0;
    virtual Availability flashPicture(int slot, QImage* picture) = 0;
    // Gets slot k's picture ready ahead of its flash.
    virtual void prefetch(int slot) = 0;
};
