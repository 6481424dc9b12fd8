// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that acts like a web link: pointing-hand pointer, clicked() on
// release. Tab reaches it, and Enter or Space click it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
