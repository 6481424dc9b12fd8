// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash/StretchedPicture.h"

#include <QPainter>

const QColor StretchedPicture::Background(64, 64, 64);

StretchedPicture::StretchedPicture(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted here: no background clearing before.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StretchedPicture::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void StretchedPicture::paintEvent(QPaintEvent*)
{
    {
        QPainter painter(this);
        // A picture's transparent parts show the background: where the
        // desktop does not composite, there is nothing else behind them.
        if (m_picture.isNull() || m_picture.hasAlphaChannel()) {
            if (m_seeThrough)
                painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(rect(), m_seeThrough && !m_picture.isNull() ? QColor(Qt::transparent)
                                                                         : Background);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        if (!m_picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), m_picture);
        }
    }
    emit painted();
}
