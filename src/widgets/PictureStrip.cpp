// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureStrip.h"

#include <QPaintEvent>
#include <QPainter>

PictureStrip::PictureStrip(ThumbnailSource source, QWidget* parent)
    : QWidget(parent), m_source(std::move(source))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PictureStrip::slotGeometry(int slot)
{
    return QRect(SlotLeft, (slot - 1) * SlotPitch, SlotWidth, SlotHeight);
}

void PictureStrip::setSlotCount(int count)
{
    m_slotCount = count;
    update();
}

void PictureStrip::updateSlot(int slot)
{
    update(slotGeometry(slot));
}

void PictureStrip::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(64, 0, 0));
    const int first = qMax(1, event->rect().top() / SlotPitch + 1);
    const int last = qMin(m_slotCount, event->rect().bottom() / SlotPitch + 1);
    for (int slot = first; slot <= last; ++slot) {
        const QImage thumbnail = m_source(slot);
        if (!thumbnail.isNull())
            painter.drawImage(slotGeometry(slot), thumbnail);
    }
}
