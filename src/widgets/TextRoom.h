// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The windows are laid out at fixed sizes for their English texts. Longer
// texts of a translation get a smaller font, or a label's text wraps, so that
// nothing is cut off; the English layout is left exactly as drawn.
namespace TextRoom
{

// Whether the texts on screen are a translation, to be fitted.
void setTranslated(bool translated);
bool translated();

// No text shrinks below this: the desktop's small font, and at most 8 pt
// (desktops that name none).
double smallestPointSize();

// Whether the text of a label, button or frame caption fits in its room.
bool fits(const QWidget* widget);

// Fits the widget's text, or every text in window, where the texts are a
// translation.
void fit(QWidget* widget);
void fitAll(QWidget* window);

} // namespace TextRoom
