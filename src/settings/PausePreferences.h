#pragma once

#include "platform/PauseWatch.h"

#include <QString>

class SettingsStore;

// Which kinds of pause the user wants (all at first), kept in the settings
// file's own section "pause" as "1"/"0"; a missing or bad value reads as on.
class PausePreferences
{
public:
    static const QString Section;

    PausePreferences(SettingsStore& store, QString applicationName);

    static QString keyFor(PauseReason reason);

    void load();
    bool pausesWhen(PauseReason reason) const { return m_enabled.testFlag(reason); }
    // Saved at once.
    void setPausesWhen(PauseReason reason, bool on);
    // The reasons that should pause a run: mask a watch's reasons with these.
    PauseReasons enabledReasons() const { return m_enabled; }

private:
    SettingsStore& m_store;
    QString m_application;
    PauseReasons m_enabled = PauseReason::ScreenLocked | PauseReason::FullscreenWindow |
                             PauseReason::DoNotDisturb | PauseReason::ScreenShared |
                             PauseReason::InCall;
};
