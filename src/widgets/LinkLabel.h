#pragma once

#include <QLabel>

// A label that acts like a web link: pointing-hand pointer, clicked() on release.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
