// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The preview strip: slot k (from 1) shows the thumbnail of entry k, stretched
// to 113 × 90 pixels, with 2 pixels of background between slots. Slots are
// painted rather than made of widgets, so a long list costs no more than what
// is on the screen.
class PictureStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int SlotLeft = 8;
    static constexpr int SlotWidth = 113;
    static constexpr int SlotHeight = 90;
    static constexpr int SlotPitch = SlotHeight + 2;

    // thumbnail(k) gives slot k's picture, or a null image for an empty slot.
    using ThumbnailSource = std::function<QImage(int slot)>;

    explicit PictureStrip(ThumbnailSource source, QWidget* parent = nullptr);

    void setSlotCount(int count);
    int slotCount() const { return m_slotCount; }
    static QRect slotGeometry(int slot);
    void updateSlot(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ThumbnailSource m_source;
    int m_slotCount = 0;
};
