// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageLook.h"

#include <QImage>
#include <QSize>
#include <QString>

// A message drawn as the picture of its flash: wrapped within 80 % of the
// screen's width, as large as its size says (as large as fits in 80 % of the
// screen for Fit), in device pixels at the screen's scale so that it is crisp.
// Laid out as Qt shapes text, so every script reads as it should, right to
// left ones included. Around the letters it is transparent, unless it has a
// box or is drawn opaque (for a desktop that does not blend), on the box's
// colour then.
namespace MessagePicture
{

// screen: the screen's size in logical pixels. Null without a QGuiApplication.
QImage draw(const QString& message, const MessageLook& look, QSize screen, double scale,
            bool opaque);

} // namespace MessagePicture
