// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// A picture scaled to this widget: stretched to exactly its size, aspect
// ratio ignored, or fitted inside it with its proportions kept and centred.
// Dark grey where there is no picture.
class ScaledPicture : public QWidget
{
    Q_OBJECT
public:
    static const QColor Background;

    explicit ScaledPicture(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Fitted inside instead of stretched; the rest is the background.
    void setFitted(bool fitted);
    // Where the picture is drawn, in the widget's coordinates.
    QRectF pictureArea() const;
    // Transparent parts of a picture, and the rest of a fitted one, left
    // clear, for a window the desktop blends with what lies beneath, instead
    // of on the background colour.
    void setSeeThrough(bool seeThrough) { m_seeThrough = seeThrough; }

signals:
    // The picture has just been painted and goes to the screen now.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_fitted = false;
    bool m_seeThrough = false;
};
