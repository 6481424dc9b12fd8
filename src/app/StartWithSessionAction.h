// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>

class Autostart;
class Dialogs;
class QMenu;

// "Start with the Session": a checkable entry that writes or removes the
// autostart entry. It shows what is on disk each time its menu opens, and
// after a change that could not be made says why and shows the truth again.
class StartWithSessionAction final : public QAction
{
    Q_OBJECT
public:
    StartWithSessionAction(Autostart& autostart, Dialogs& dialogs, QMenu& menu);

    void refresh();

private:
    void chosen(bool on);

    Autostart& m_autostart;
    Dialogs& m_dialogs;
};
