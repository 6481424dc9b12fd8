// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FlashLook.h"

#include "preferences/Preferences.h"

#include <algorithm>

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

FlashLook FlashLook::load(const Preferences& preferences)
{
    FlashLook look;
    look.opacityPercent = preferences.number(Preference::LookOpacity);
    look.fadeInMs = preferences.number(Preference::LookFadeIn);
    look.fadeOutMs = preferences.number(Preference::LookFadeOut);
    return look;
}

void FlashLook::save(Preferences& preferences) const
{
    preferences.setNumber(Preference::LookOpacity, opacityPercent);
    preferences.setNumber(Preference::LookFadeIn, fadeInMs);
    preferences.setNumber(Preference::LookFadeOut, fadeOutMs);
}
