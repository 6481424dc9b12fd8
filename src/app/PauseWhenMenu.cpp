// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PauseWhenMenu.h"

#include "settings/PausePreferences.h"

PauseWhenMenu::PauseWhenMenu(PausePreferences& preferences, QWidget* parent)
    : QMenu(tr("Pause when"), parent), m_preferences(preferences)
{
    setObjectName(QStringLiteral("mnuPauseWhen"));
    addEntry(PauseReason::ScreenLocked, QStringLiteral("mnuPauseLocked"),
             tr("The screen is &locked"));
    addEntry(PauseReason::FullscreenWindow, QStringLiteral("mnuPauseFullscreen"),
             tr("A &fullscreen window is in front"));
    addEntry(PauseReason::DoNotDisturb, QStringLiteral("mnuPauseDoNotDisturb"),
             tr("&Do not disturb is on"));
    addEntry(PauseReason::ScreenShared, QStringLiteral("mnuPauseScreenShared"),
             tr("While the &Screen Is Shared or Recorded"));
    addEntry(PauseReason::InCall, QStringLiteral("mnuPauseInCall"),
             tr("During a &Call (Microphone or Camera in Use)"));
    connect(this, &QMenu::aboutToShow, this, &PauseWhenMenu::refresh);
    refresh();
}

void PauseWhenMenu::addEntry(PauseReason reason, const QString& name, const QString& text)
{
    QAction* action = addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setData(int(reason));
    connect(action, &QAction::toggled, this, [this, reason](bool on) {
        if (m_preferences.pausesWhen(reason) == on)
            return;
        m_preferences.setPausesWhen(reason, on);
        emit preferencesChanged(m_preferences.enabledReasons());
    });
}

void PauseWhenMenu::refresh()
{
    for (QAction* action : actions())
        action->setChecked(m_preferences.pausesWhen(PauseReason(action->data().toInt())));
}
