// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PauseWatch.h"

class Preferences;

// Which kinds of pause the user wants (all at first), kept in the settings
// file's own section "pause"; a missing or bad value reads as on.
class PausePreferences
{
public:
    explicit PausePreferences(Preferences& preferences) : m_preferences(preferences) {}

    void load();
    bool pausesWhen(PauseReason reason) const { return m_enabled.testFlag(reason); }
    // Saved at once.
    void setPausesWhen(PauseReason reason, bool on);
    // The reasons that should pause a run: mask a watch's reasons with these.
    PauseReasons enabledReasons() const { return m_enabled; }

private:
    Preferences& m_preferences;
    PauseReasons m_enabled = PauseReason::ScreenLocked | PauseReason::FullscreenWindow |
                             PauseReason::DoNotDisturb | PauseReason::ScreenShared |
                             PauseReason::InCall;
};
