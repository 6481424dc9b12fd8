// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FlashLook.h"

#include "core/FlashDisplay.h"
#include "preferences/Preferences.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace
{

// The settings file's words for the sizes, in their order.
const QStringList SizeWords{"picture", "quarter", "half", "screen"};

} // namespace

double FlashLook::opacityAt(qint64 elapsedMs, int durationMs) const
{
    const double full = opacityPercent / 100.0;
    const qint64 fadeOutStart = qint64(fadeInMs) + durationMs;
    double share = 1.0;
    if (elapsedMs < fadeInMs)
        share = double(std::max<qint64>(0, elapsedMs)) / fadeInMs;
    else if (elapsedMs >= fadeOutStart + fadeOutMs)
        share = fadeOutMs > 0 ? 0.0 : 1.0;
    else if (elapsedMs > fadeOutStart)
        share = 1.0 - double(elapsedMs - fadeOutStart) / fadeOutMs;
    return full * share;
}

QSizeF FlashLook::boxTwips(const QSizeF& monitorTwips) const
{
    switch (size) {
    case Size::Standard:
        break;
    case Size::Quarter: // half as wide and half as high
        return monitorTwips * 0.5;
    case Size::Half: // half the area, in the monitor's proportions
        return monitorTwips * std::sqrt(0.5);
    case Size::Screen:
        return monitorTwips;
    }
    return QSizeF(FlashDisplay::WidthTwips, FlashDisplay::HeightTwips);
}

QSizeF FlashLook::windowTwips(const QSizeF& monitorTwips, const QSizeF& picture) const
{
    const QSizeF box = boxTwips(monitorTwips);
    return fitsPicture() && !picture.isEmpty() ? picture.scaled(box, Qt::KeepAspectRatio) : box;
}

FlashLook FlashLook::load(const Preferences& preferences)
{
    FlashLook look;
    look.opacityPercent = preferences.number(Preference::LookOpacity);
    look.fadeInMs = preferences.number(Preference::LookFadeIn);
    look.fadeOutMs = preferences.number(Preference::LookFadeOut);
    look.size =
        Size(std::max<qsizetype>(0, SizeWords.indexOf(preferences.text(Preference::LookSize))));
    return look;
}

void FlashLook::save(Preferences& preferences) const
{
    preferences.setNumber(Preference::LookOpacity, opacityPercent);
    preferences.setNumber(Preference::LookFadeIn, fadeInMs);
    preferences.setNumber(Preference::LookFadeOut, fadeOutMs);
    preferences.setText(Preference::LookSize, SizeWords.at(int(size)));
}
