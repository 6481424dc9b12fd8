#include "widgets/LinkLabel.h"

#include "widgets/Look.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Look::pointingHand());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
