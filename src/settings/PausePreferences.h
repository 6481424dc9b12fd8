// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PauseWatch.h"
#include "settings/SettingsSection.h"

// Which kinds of pause the user wants (all at first), kept in the settings
// file's own section "pause" as "1"/"0"; a missing or bad value reads as on.
class PausePreferences
{
public:
    PausePreferences(SettingsStore& store, const QString& application);

    void load();
    bool pausesWhen(PauseReason reason) const { return m_enabled.testFlag(reason); }
    // Saved at once.
    void setPausesWhen(PauseReason reason, bool on);
    // The reasons that should pause a run: mask a watch's reasons with these.
    PauseReasons enabledReasons() const { return m_enabled; }

private:
    SettingsSection m_section;
    PauseReasons m_enabled = PauseReason::ScreenLocked | PauseReason::FullscreenWindow |
                             PauseReason::DoNotDisturb | PauseReason::ScreenShared |
                             PauseReason::InCall;
};
