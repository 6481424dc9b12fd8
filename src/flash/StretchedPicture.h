// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// A picture scaled to exactly this widget's size, aspect ratio ignored; dark
// grey where there is no picture.
class StretchedPicture : public QWidget
{
    Q_OBJECT
public:
    static const QColor Background;

    explicit StretchedPicture(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Transparent parts of a picture left clear, for a window the desktop
    // blends with what lies beneath, instead of on the background colour.
    void setSeeThrough(bool seeThrough) { m_seeThrough = seeThrough; }

signals:
    // The picture has just been painted and goes to the screen now.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_seeThrough = false;
};
