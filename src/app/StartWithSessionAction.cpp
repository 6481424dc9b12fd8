// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartWithSessionAction.h"

#include "platform/Autostart.h"
#include "platform/Dialogs.h"
#include "platform/ProgramInfo.h"

#include <QMenu>
#include <QSignalBlocker>

StartWithSessionAction::StartWithSessionAction(Autostart& autostart, Dialogs& dialogs, QMenu& menu)
    //: Starts the program each time the user logs in to the desktop ("session"
    //: as in a login session, not a run of flashes).
    : QAction(tr("Start &with the Session"), &menu), m_autostart(autostart), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("mnuStartWithSession"));
    setCheckable(true);
    connect(this, &QAction::triggered, this, &StartWithSessionAction::chosen);
    connect(&menu, &QMenu::aboutToShow, this, &StartWithSessionAction::refresh);
    refresh();
}

void StartWithSessionAction::refresh()
{
    const QSignalBlocker blocker(this);
    setChecked(m_autostart.isOn());
}

void StartWithSessionAction::chosen(bool on)
{
    const QString error = m_autostart.setOn(on);
    if (!error.isEmpty())
        m_dialogs.message((on ? tr("The program cannot be set to start with the session: %1")
                              : tr("The program cannot be kept from starting with the session: %1"))
                              .arg(error),
                          MessageIcon::Critical, MessageButtons::Ok, ProgramInfo::title());
    refresh();
}
