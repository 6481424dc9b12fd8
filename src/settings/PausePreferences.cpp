// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PausePreferences.h"

#include "preferences/Preferences.h"

namespace
{

constexpr PauseReason AllReasons[] = {PauseReason::ScreenLocked, PauseReason::FullscreenWindow,
                                      PauseReason::DoNotDisturb, PauseReason::ScreenShared,
                                      PauseReason::InCall};

Preference keyFor(PauseReason reason)
{
    switch (reason) {
    case PauseReason::FullscreenWindow:
        return Preference::PauseWhenFullscreen;
    case PauseReason::DoNotDisturb:
        return Preference::PauseWhenDoNotDisturb;
    case PauseReason::ScreenShared:
        return Preference::PauseWhenScreenShared;
    case PauseReason::InCall:
        return Preference::PauseWhenInCall;
    case PauseReason::ScreenLocked:
    case PauseReason::OutsideActiveHours: // the user's schedule, not a choice of this section
    case PauseReason::PausedForAWhile:
        break;
    }
    return Preference::PauseWhenLocked;
}

} // namespace

void PausePreferences::load()
{
    // Only a value that says "off" turns a kind off: pausing is the safe side.
    for (PauseReason reason : AllReasons)
        m_enabled.setFlag(reason, m_preferences.flag(keyFor(reason)));
}

void PausePreferences::setPausesWhen(PauseReason reason, bool on)
{
    m_enabled.setFlag(reason, on);
    m_preferences.setFlag(keyFor(reason), on);
}
