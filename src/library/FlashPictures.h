#pragma once

#include <QImage>

// What the flash run needs of the library: how many slots there are, and the
// picture of each at the flash window's size. Slots are numbered from 1.
class FlashPictures
{
public:
    virtual ~FlashPictures() = default;

    virtual int slotCount() const = 0;
    // Slot k's picture; null while it is being decoded, or when the entry has
    // no readable picture.
    virtual QImage flashPicture(int slot) = 0;
};
