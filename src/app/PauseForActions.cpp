// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PauseForActions.h"

#include "core/FlashRun.h"
#include "core/Session.h"

#include <QMenu>

PauseForActions::PauseForActions(Session& session, QMenu& menu, QAction* before)
    : QObject(&menu), m_session(session), m_run(session.run()), m_menu(menu), m_before(before)
{
    connect(add(QStringLiteral("mnuActiveHours"), tr("Active &Hours...")), &QAction::triggered,
            this, &PauseForActions::activeHoursRequested);
    const auto pauseFor = [this](const QString& name, const QString& text, int minutes) {
        QAction* action = add(name, text);
        // Offered only while a run is on: nothing to refuse.
        connect(action, &QAction::triggered, this,
                [this, minutes] { m_session.pauseFor(minutes); });
        m_pauses << action;
    };
    pauseFor(QStringLiteral("mnuPause15Minutes"), tr("Pause for 15 M&inutes"), 15);
    pauseFor(QStringLiteral("mnuPause1Hour"), tr("Pause for 1 H&our"), 60);
    QAction* tomorrow = add(QStringLiteral("mnuPauseTomorrow"), tr("Pause until &Tomorrow"));
    connect(tomorrow, &QAction::triggered, this, [this] { m_session.pauseUntilTomorrow(); });
    m_pauses << tomorrow;
    m_resume = add(QStringLiteral("mnuResumeNow"), tr("&Resume Now"));
    connect(m_resume, &QAction::triggered, &m_session, &Session::resume);

    connect(&m_run, &FlashRun::stateChanged, this, &PauseForActions::update);
    connect(&m_run, &FlashRun::scheduleChanged, this, &PauseForActions::update);
    update();
}

QAction* PauseForActions::add(const QString& name, const QString& text)
{
    auto* action = new QAction(text, &m_menu);
    action->setObjectName(name);
    m_menu.insertAction(m_before, action);
    return action;
}

void PauseForActions::update()
{
    for (QAction* action : std::as_const(m_pauses))
        action->setEnabled(m_run.isRunning());
    m_resume->setEnabled(m_run.isRunning() &&
                         m_run.schedule().reasons().testFlag(PauseReason::PausedForAWhile));
}
