// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class FlashRun;
class QAction;
class QMenu;
class Session;

// "Active Hours...", the pauses for a while and "Resume Now", put into a menu
// before an entry (or at its end). The pauses are offered only while a run
// is on; Resume Now only while such a pause holds.
class PauseForActions final : public QObject
{
    Q_OBJECT
public:
    PauseForActions(Session& session, QMenu& menu, QAction* before);

signals:
    void activeHoursRequested();

private:
    QAction* add(const QString& name, const QString& text);
    void update();

    Session& m_session;
    FlashRun& m_run;
    QMenu& m_menu;
    QAction* m_before;
    QList<QAction*> m_pauses;
    QAction* m_resume = nullptr;
};
