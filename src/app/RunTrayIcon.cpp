// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunTrayIcon.h"

#include "app/RefusalMessage.h"
#include "core/FlashRun.h"
#include "core/Session.h"
#include "core/ShowRecord.h"
#include "desktop/BusInBackground.h"
#include "platform/Clock.h"
#include "platform/ProgramInfo.h"
#include "widgets/ProgramIcon.h"

#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

namespace
{

// "14:30" today, "Monday 09:00" on another day.
QString momentText(const QDateTime& moment, const QDate& today)
{
    const QLocale locale;
    QString time = locale.toString(moment.time(), QLocale::ShortFormat);
    if (moment.date() == today)
        return time;
    return locale.dayName(moment.date().dayOfWeek()) + QLatin1Char(' ') + time;
}

// The plain words the tray shows for why a run waits, and until when.
QString pauseReasonText(PauseReason reason, const QDateTime& until, const QDate& today)
{
    const QString when = until.isValid() ? momentText(until, today) : QString();
    switch (reason) {
    case PauseReason::OutsideActiveHours:
        return when.isEmpty() ? RunTrayIcon::tr("Outside active hours")
                              : RunTrayIcon::tr("Outside active hours until %1").arg(when);
    case PauseReason::PausedForAWhile:
        return when.isEmpty() ? RunTrayIcon::tr("Paused")
                              : RunTrayIcon::tr("Paused until %1").arg(when);
    case PauseReason::ScreenLocked:
        return RunTrayIcon::tr("Paused: the screen is locked");
    case PauseReason::FullscreenWindow:
        return RunTrayIcon::tr("Paused: a fullscreen window is in front");
    case PauseReason::DoNotDisturb:
        return RunTrayIcon::tr("Paused: do not disturb is on");
    case PauseReason::ScreenShared:
        return RunTrayIcon::tr("Paused: the screen is being shared");
    case PauseReason::InCall:
        return RunTrayIcon::tr("Paused: a call is on");
    }
    return {};
}

} // namespace

RunTrayIcon::RunTrayIcon(Session& session, Dialogs& dialogs, Clock& clock, QWidget& mainWindow,
                         QObject* parent)
    : QObject(parent), m_session(session), m_run(session.run()), m_clock(clock),
      m_mainWindow(&mainWindow), m_menu(new QMenu)
{
    setObjectName(QStringLiteral("RunTrayIcon"));
    m_menu->setObjectName(QStringLiteral("mnuTray"));
    m_pausedAction = m_menu->addAction(QString());
    m_pausedAction->setObjectName(QStringLiteral("mnuTrayPaused"));
    m_pausedAction->setEnabled(false);
    m_pausedAction->setVisible(false);
    m_startStopAction = m_menu->addAction(FlashRun::startCaption());
    m_startStopAction->setObjectName(QStringLiteral("mnuTrayProceed"));
    m_showMainAction = m_menu->addAction(tr("Show the &main window"));
    m_showMainAction->setObjectName(QStringLiteral("mnuTrayShowMain"));

    // The same command as the Start/Stop button, settings saved and all.
    connect(m_startStopAction, &QAction::triggered, this,
            [&session, &dialogs] { showRefusal(dialogs, session.toggle()); });
    connect(m_showMainAction, &QAction::triggered, this, &RunTrayIcon::showMainWindow);
    connect(&m_run, &FlashRun::stateChanged, this, &RunTrayIcon::update);
    connect(&m_run, &FlashRun::scheduleChanged, this, &RunTrayIcon::update);
    connect(&session.record(), &ShowRecord::changed, this, &RunTrayIcon::update);
    update();
}

RunTrayIcon::~RunTrayIcon()
{
    delete m_tray;
    delete m_menu;
}

void RunTrayIcon::showMainWindow()
{
    if (!m_mainWindow)
        return;
    m_mainWindow->showNormal();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void RunTrayIcon::hide()
{
    m_hidden = true;
    if (m_tray)
        m_tray->hide();
}

void RunTrayIcon::update()
{
    const bool running = m_run.isRunning();
    m_startStopAction->setText(m_run.startStopCaption());

    QString state;
    if (!running) {
        state = tr("Stopped");
    } else if (m_run.state() == FlashRun::State::Paused) {
        QStringList reasons;
        const QDateTime until = m_run.pausedUntil();
        const QDate today = m_clock.today();
        for (PauseReason reason :
             {PauseReason::ScreenLocked, PauseReason::FullscreenWindow, PauseReason::DoNotDisturb,
              PauseReason::ScreenShared, PauseReason::InCall, PauseReason::OutsideActiveHours,
              PauseReason::PausedForAWhile})
            if (m_run.pauseReasons().testFlag(reason))
                reasons << pauseReasonText(reason, until, today);
        state = reasons.join(QLatin1Char('\n'));
    } else if (const QDateTime due = m_run.nextFlashDue(); due.isValid()) {
        state = tr("Next picture at %1").arg(due.toString(QStringLiteral("HH:mm:ss")));
    } else {
        state = tr("A picture is on the screen");
    }
    m_toolTip = ProgramInfo::title() + '\n';
    // How many came today, once the first of the day has.
    if (const int shown = m_session.record().shownOn(m_clock.today());
        running && shown > 0 && m_session.keepsRecord())
        m_toolTip += tr("Shown today: %1").arg(shown) + '\n';
    m_toolTip += state;
    // The menu says why the run is paused, too.
    const bool paused = m_run.state() == FlashRun::State::Paused;
    m_pausedAction->setText(paused ? state : QString());
    m_pausedAction->setVisible(paused);

    // The icon comes with the first run and stays, so a run stopped from the
    // tray can be started again from there.
    // Qt's check for a tray and the icon itself ask the tray host and wait
    // for its answers: they are made only once the host has answered us.
    if (!m_tray && !m_hidden && running && !m_hostAsked) {
        m_hostAsked = true;
        BusInBackground::whenTrayHostAnswers(this, [this] {
            m_hostAnswered = true;
            update();
        });
    }
    if (!m_tray && !m_hidden && running && m_hostAnswered &&
        QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon;
        m_tray->setObjectName(QStringLiteral("trayIcon"));
        m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger)
                        showMainWindow();
                });
    }
    if (!m_tray || m_hidden)
        return;
    const QIcon icon = ProgramIcon::windowIcon();
    m_tray->setIcon(running ? icon : QIcon(icon.pixmap(32, QIcon::Disabled)));
    m_tray->setToolTip(m_toolTip);
    m_tray->show();
}
