// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Look.h"

#include "widgets/Resources.h"
#include "widgets/TextRoom.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>

namespace
{

// Families the layout was drawn with, and close stand-ins that Linux desktops
// commonly have.
void installSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(
            QStringLiteral("Verdana"),
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QFont Look::font(const QString& family, double pointSize, bool bold, bool underline)
{
    installSubstitutes();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont Look::standard(double pointSize, bool bold)
{
    return font(QStringLiteral("MS Sans Serif"), pointSize, bold);
}

void Look::shrinkToFit(QLabel* label)
{
    QFont font = label->font();
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        if (!label->wordWrap())
            return metrics.horizontalAdvance(label->text()) <= label->width();
        const QRect bounds(0, 0, label->width(), 100000);
        return metrics.boundingRect(bounds, Qt::TextWordWrap, label->text()).height() <=
               label->height();
    };
    while (font.pointSizeF() - 0.25 >= TextRoom::smallestPointSize() && !fits())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

QFont Look::verdana(double pointSize, bool bold, bool underline)
{
    return font(QStringLiteral("Verdana"), pointSize, bold, underline);
}

void Look::paint(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void Look::styleFrame(QGroupBox* box, const QColor& background)
{
    box->setFont(verdana(8.25, true));
    box->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { background-color: %2; border: 1px solid #808080;"
                       " margin-top: 0px; padding-top: 0px; }"
                       "QGroupBox#%1::title { color: white; subcontrol-origin: padding;"
                       " left: 6px; top: 0px; }")
            .arg(box->objectName(), background.name()));
}

QGroupBox* Look::frame(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry, const QColor& background)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    styleFrame(box, background);
    return box;
}

QLabel* Look::label(QWidget* parent, const QString& name, const QString& text,
                    const QRect& geometry, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    paint(label, colour);
    return label;
}

void Look::greyButton(QWidget* button, const QFont& font)
{
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(128, 128, 128));
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
}

QCursor Look::pointingHand()
{
    Resources::ensureLoaded();
    const QPixmap hand(QStringLiteral(":/pointing-hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The tip of the finger.
    return QCursor(hand, 12, 2);
}
