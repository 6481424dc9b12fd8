// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PausePreferences.h"

namespace
{

constexpr PauseReason AllReasons[] = {PauseReason::ScreenLocked, PauseReason::FullscreenWindow,
                                      PauseReason::DoNotDisturb, PauseReason::ScreenShared,
                                      PauseReason::InCall};

QString keyFor(PauseReason reason)
{
    switch (reason) {
    case PauseReason::ScreenLocked:
        return QStringLiteral("WhenLocked");
    case PauseReason::FullscreenWindow:
        return QStringLiteral("WhenFullscreen");
    case PauseReason::DoNotDisturb:
        return QStringLiteral("WhenDoNotDisturb");
    case PauseReason::ScreenShared:
        return QStringLiteral("WhenScreenShared");
    case PauseReason::InCall:
        return QStringLiteral("WhenInCall");
    case PauseReason::OutsideActiveHours:
    case PauseReason::PausedForAWhile:
        break; // the user's schedule, not a choice of this section
    }
    return {};
}

} // namespace

PausePreferences::PausePreferences(SettingsStore& store, const QString& application)
    : m_section(store, application, QStringLiteral("pause"))
{
}

void PausePreferences::load()
{
    // Only an explicit "0" turns a kind off: pausing is the safe side.
    for (PauseReason reason : AllReasons)
        m_enabled.setFlag(reason, m_section.flag(keyFor(reason), true));
}

void PausePreferences::setPausesWhen(PauseReason reason, bool on)
{
    m_enabled.setFlag(reason, on);
    m_section.setFlag(keyFor(reason), on);
}
