// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash/ScaledPicture.h"

#include <QPainter>

const QColor ScaledPicture::Background(64, 64, 64);

ScaledPicture::ScaledPicture(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted here: no background clearing before.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScaledPicture::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void ScaledPicture::setFitted(bool fitted)
{
    m_fitted = fitted;
    update();
}

QRectF ScaledPicture::pictureArea() const
{
    if (!m_fitted || m_picture.isNull())
        return rect();
    QRectF area(QPointF(), QSizeF(m_picture.size()).scaled(size(), Qt::KeepAspectRatio));
    area.moveCenter(QRectF(rect()).center());
    return area;
}

void ScaledPicture::paintEvent(QPaintEvent*)
{
    {
        QPainter painter(this);
        // A picture's transparent parts show the background: where the
        // desktop does not composite, there is nothing else behind them.
        if (m_picture.isNull() || m_picture.hasAlphaChannel() || m_fitted) {
            if (m_seeThrough)
                painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(rect(), m_seeThrough && !m_picture.isNull() ? QColor(Qt::transparent)
                                                                         : Background);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        if (!m_picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(pictureArea(), m_picture);
        }
    }
    emit painted();
}
