// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessagePicture.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace
{

// A message is wrapped within this share of the screen's width; Fit keeps it
// within this share of its height too.
constexpr double TextShare = 0.8;
constexpr int SmallestPixels = 12;

// The letters' height for the size, as a share of the screen's height.
double heightShare(MessageLook::Size size)
{
    switch (size) {
    case MessageLook::Size::Small:
        return 0.04;
    case MessageLook::Size::Medium:
        return 0.07;
    case MessageLook::Size::Large:
    case MessageLook::Size::Fit:
        break;
    }
    return 0.11;
}

// The message laid out in lines no wider than width, from the top left.
struct Laid {
    std::unique_ptr<QTextLayout> layout;
    QSizeF size;
};

Laid layOut(const QString& message, QFont font, int pixels, double width)
{
    font.setPixelSize(pixels);
    Laid laid{std::make_unique<QTextLayout>(message, font), {}};
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(message.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    laid.layout->setTextOption(option);
    laid.layout->setCacheEnabled(true);
    laid.layout->beginLayout();
    double y = 0;
    double widest = 0;
    for (QTextLine line = laid.layout->createLine(); line.isValid();
         line = laid.layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    laid.layout->endLayout();
    laid.size = QSizeF(widest, y);
    return laid;
}

// The outlines of the laid-out letters; colour glyphs (emoji) have none.
QPainterPath letterShapes(const QTextLayout& layout, const QPointF& at)
{
    QPainterPath shapes;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            shapes.addPath(font.pathForGlyph(glyphs.at(i)).translated(at + positions.at(i)));
    }
    return shapes;
}

} // namespace

QImage MessagePicture::draw(const QString& message, const MessageLook& look, QSize screen,
                            double scale, bool opaque)
{
    // Text needs the fonts of a program with a display; without one (a
    // command-line tool, a test) a message has no picture.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    const QSizeF room = QSizeF(screen) * scale * TextShare;
    const QFont font = look.font.isEmpty() ? QGuiApplication::font() : QFont(look.font);
    int pixels = std::max(SmallestPixels, int(screen.height() * scale * heightShare(look.size)));
    Laid laid = layOut(message, font, pixels, room.width());
    if (look.size == MessageLook::Size::Fit) {
        // The largest size whose lines fit the room, found by halving.
        int fits = SmallestPixels, tooLarge = int(room.height()) + 1;
        while (tooLarge - fits > 1) {
            const int tried = (fits + tooLarge) / 2;
            const Laid trial = layOut(message, font, tried, room.width());
            (trial.size.height() <= room.height() && trial.size.width() <= room.width()
                 ? fits
                 : tooLarge) = tried;
        }
        pixels = fits;
        laid = layOut(message, font, pixels, room.width());
    }

    // Room for the edge around the letters, and for the box's margin.
    const double edge = std::max(2.0, pixels / 16.0);
    const double margin = std::ceil(edge * 2 + (look.box ? pixels / 3.0 : 0));
    // The lines are centred within the room's width, so the text's own box
    // starts where its widest line does.
    double left = room.width();
    for (int i = 0; i < laid.layout->lineCount(); ++i)
        left = std::min(left, laid.layout->lineAt(i).naturalTextRect().left());
    const QSize size = (laid.size + QSizeF(2 * margin, 2 * margin)).toSize();
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    picture.fill(look.box || opaque ? look.boxColour : QColor(Qt::transparent));

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF at(margin - left, margin);
    const bool light = look.colour.lightnessF() >= 0.5;
    if (look.edge == MessageLook::Edge::Outline) {
        QPen pen(light ? Qt::black : Qt::white, 2 * edge);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(letterShapes(*laid.layout, at), pen);
    } else if (look.edge == MessageLook::Edge::Shadow) {
        const QColor shadow = light ? QColor(0, 0, 0, 170) : QColor(255, 255, 255, 170);
        painter.fillPath(letterShapes(*laid.layout, at + QPointF(edge, edge)), shadow);
    }
    painter.setPen(look.colour);
    laid.layout->draw(&painter, at);
    return picture;
}
