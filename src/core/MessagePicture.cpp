// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessagePicture.h"

#include <QGuiApplication>
#include <QPainter>
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
    // The size asked for, or as large as fits in the room when that is less.
    int pixels =
        look.size == MessageLook::Size::Fit
            ? int(room.height())
            : std::max(SmallestPixels, int(screen.height() * scale * heightShare(look.size)));
    Laid laid = layOut(message, font, pixels, room.width());
    const auto fits = [&room](const Laid& trial) {
        return trial.size.height() <= room.height() && trial.size.width() <= room.width();
    };
    if (!fits(laid)) {
        // The largest size that fits, found by halving.
        int fitting = SmallestPixels, tooLarge = pixels;
        while (tooLarge - fitting > 1) {
            const int tried = (fitting + tooLarge) / 2;
            (fits(layOut(message, font, tried, room.width())) ? fitting : tooLarge) = tried;
        }
        pixels = fitting;
        laid = layOut(message, font, pixels, room.width());
    }

    // Room for the edge around the letters, and for the box's margin.
    const double edge = std::clamp(pixels / 20.0, 1.5, 10.0);
    const double margin = std::ceil(edge * 2 + (look.box ? pixels / 3.0 : 0));
    // The lines are centred within the room's width, so the text's own box
    // starts where its widest line does.
    double left = room.width();
    for (int i = 0; i < laid.layout->lineCount(); ++i)
        left = std::min(left, laid.layout->lineAt(i).naturalTextRect().left());
    const QSize size = (laid.size + QSizeF(2 * margin, 2 * margin)).toSize();
    const QRect area(QPoint(), size.expandedTo(QSize(1, 1)));
    QImage text(area.size(), QImage::Format_ARGB32_Premultiplied);
    text.fill(Qt::transparent);
    {
        QPainter painter(&text);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(look.colour);
        laid.layout->draw(&painter, QPointF(margin - left, margin));
    }

    QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(look.box || opaque ? look.boxColour : QColor(Qt::transparent));
    QPainter painter(&picture);
    if (look.edge != MessageLook::Edge::None) {
        // The edge is the letters' silhouette in a contrasting colour, laid
        // around them or below them: the text is laid out and drawn once, and
        // every script, colour emoji too, gets the same edge.
        const bool light = look.colour.lightnessF() >= 0.5;
        QImage silhouette = text;
        {
            QPainter tint(&silhouette);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(area, light ? Qt::black : Qt::white);
        }
        if (look.edge == MessageLook::Edge::Outline) {
            constexpr int Directions = 8;
            for (int i = 0; i < Directions; ++i) {
                const double angle = 2 * M_PI * i / Directions;
                // Whole pixels: a fractional offset takes Qt's slow, filtered way.
                painter.drawImage((QPointF(std::cos(angle), std::sin(angle)) * edge).toPoint(),
                                  silhouette);
            }
        } else {
            painter.setOpacity(0.67);
            painter.drawImage((QPointF(edge, edge) * 1.5).toPoint(), silhouette);
            painter.setOpacity(1);
        }
    }
    painter.drawImage(0, 0, text);
    painter.end();
    return picture;
}
