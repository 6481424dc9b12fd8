// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QString>

class QGroupBox;
class QWidget;

// The look shared by the program's windows: fonts, colours and framed areas.
namespace Look
{

// A font by family; a family the machine lacks falls back to a close sans-serif.
QFont font(const QString& family, double pointSize, bool bold = false, bool underline = false);
QFont verdana(double pointSize, bool bold = false, bool underline = false);
// The plain dialog font.
QFont standard(double pointSize = 8.25, bool bold = false);

// Makes a label's font smaller until its text fits: a one-line label its
// width, a word-wrapped one its box.
void shrinkToFit(QLabel* label);

// Text colour, and an opaque background when background is valid.
void paint(QWidget* widget, const QColor& text, const QColor& background = QColor());

// Gives a frame a bold white caption on the given background.
void styleFrame(QGroupBox* box, const QColor& background);

// A captioned frame with a bold white caption on the given background.
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption,
                 const QRect& geometry, const QColor& background);

// A plain-text label with its name, place, font and text colour.
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
              const QFont& font, const QColor& colour);

// A grey button face with bold text.
void greyButton(QWidget* button, const QFont& font);

// The program's own pointing hand for links; the toolkit's when the picture
// cannot be had.
QCursor pointingHand();

} // namespace Look
