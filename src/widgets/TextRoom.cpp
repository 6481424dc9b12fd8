// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TextRoom.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace
{

bool isTranslated = false;

constexpr double Step = 0.5;

QString shownText(QString text)
{
    // "&&" shows one ampersand, a single "&" marks the mnemonic.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

int buttonRoom(const QAbstractButton* button)
{
    const QStyle* style = button->style();
    // What the style adds to a push button's text when it sizes the button:
    // a button laid out at its size hint has room for its text.
    if (qobject_cast<const QPushButton*>(button))
        return button->width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) -
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    // A radio button or check box: its own size hint is its indicator and text.
    return button->width() - (button->sizeHint().width() -
                              button->fontMetrics().horizontalAdvance(shownText(button->text())));
}

// A sibling made after a widget is drawn over it: a one-line label's text ends
// where such a sibling begins across its line.
int uncoveredWidth(const QLabel* label, int width)
{
    const QWidget* parent = label->parentWidget();
    if (!parent || label->wordWrap())
        return width;
    const QObjectList& siblings = parent->children();
    const QPoint middle = label->geometry().center();
    for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings[i]);
        if (sibling && !sibling->isHidden() && sibling->x() > label->x() &&
            sibling->x() <= label->geometry().right() && sibling->y() <= middle.y() &&
            sibling->geometry().bottom() >= middle.y())
            width = qMin(width, sibling->x() - label->x() - label->contentsRect().x());
    }
    return width;
}

// The group a control's text size is shared with: the option buttons of a
// frame, the buttons of a row, the one-line labels of a frame, each of the
// same size as drawn. Empty for a control of its own.
QString groupOf(const QWidget* widget, double drawnSize)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!qobject_cast<const QAbstractButton*>(widget) &&
        !(label && !label->wordWrap() && label->pixmap().isNull()))
        return {};
    const int row = qobject_cast<const QPushButton*>(widget) ? widget->y() : -1;
    return QString::asprintf("%p %s %d %.2f", static_cast<const void*>(widget->parentWidget()),
                             widget->metaObject()->className(), row, drawnSize);
}

void shrink(QWidget* widget)
{
    QFont font = widget->font();
    while (!TextRoom::fits(widget) && font.pointSizeF() - Step >= TextRoom::smallestPointSize()) {
        font.setPointSizeF(font.pointSizeF() - Step);
        widget->setFont(font);
    }
}

} // namespace

double TextRoom::smallestPointSize()
{
    // Qt's generic themes report their standard font as the smallest
    // readable one.
    static const double smallest =
        qMin(8.0, QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont).pointSizeF());
    return smallest;
}

void TextRoom::setTranslated(bool translated)
{
    isTranslated = translated;
}

bool TextRoom::translated()
{
    return isTranslated;
}

bool TextRoom::fits(const QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QRect room = label->contentsRect();
        // A label sized to its text may still run past its window's edge.
        if (const QWidget* parent = label->parentWidget())
            room.setWidth(qMin(room.width(), parent->width() - label->x()));
        room.setWidth(uncoveredWidth(label, room.width()));
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return true;
        // A label with a buddy shows its access key underlined, not as "&".
        const QString text = label->buddy() ? shownText(label->text()) : label->text();
        // On one line a text is as tall as the English one was, whatever the room's height.
        if (!label->wordWrap() || metrics.horizontalAdvance(text) <= room.width())
            return metrics.horizontalAdvance(text) <= room.width();
        const QRect bounds(0, 0, room.width(), 100000);
        return metrics.boundingRect(bounds, Qt::TextWordWrap, text).height() <= room.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return metrics.horizontalAdvance(shownText(button->text())) <= buttonRoom(button);
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return metrics.horizontalAdvance(shownText(frame->title())) + 12 <= frame->width();
    return true;
}

void TextRoom::fit(QWidget* widget)
{
    if (!isTranslated || fits(widget))
        return;
    // A label with room for more lines wraps before its font shrinks.
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && !label->wordWrap() &&
        label->contentsRect().height() >= 2 * QFontMetrics(label->font()).lineSpacing())
        label->setWordWrap(true);
    shrink(widget);
}

void TextRoom::fitAll(QWidget* window)
{
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    QHash<QWidget*, QString> groups;
    for (QWidget* widget : widgets)
        groups.insert(widget, groupOf(widget, widget->font().pointSizeF()));
    QHash<QString, double> smallest;
    for (QWidget* widget : widgets) {
        fit(widget);
        const double size = widget->font().pointSizeF();
        smallest.insert(groups[widget], qMin(size, smallest.value(groups[widget], size)));
    }
    // Siblings keep one size: one that had to shrink takes its group along.
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        if (!groups[widget].isEmpty() && smallest[groups[widget]] < font.pointSizeF()) {
            font.setPointSizeF(smallest[groups[widget]]);
            widget->setFont(font);
        }
    }
}
