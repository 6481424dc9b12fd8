#include "app/RunTrayIcon.h"
#include "platform/ProgramInfo.h"

#include "app/Program.h"
#include "flash/FlashRun.h"
#include "widgets/ProgramIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

RunTrayIcon::RunTrayIcon(FlashRun* run, QWidget* frmMain, QObject* parent)
    : QObject(parent), m_run(run), m_frmMain(frmMain), m_menu(new QMenu)
{
    setObjectName(QStringLiteral("RunTrayIcon"));
    m_menu->setObjectName(QStringLiteral("mnuTray"));
    mnuTrayProceed = m_menu->addAction(FlashRun::StartCaption);
    mnuTrayProceed->setObjectName(QStringLiteral("mnuTrayProceed"));
    mnuTrayShowMain = m_menu->addAction(tr("Show the &main window"));
    mnuTrayShowMain->setObjectName(QStringLiteral("mnuTrayShowMain"));

    // The same command as the Start/Stop button, settings saved and all.
    connect(mnuTrayProceed, &QAction::triggered, m_run, &FlashRun::cmdProceed_Click);
    connect(mnuTrayShowMain, &QAction::triggered, this, &RunTrayIcon::mnuTrayShowMain_Click);
    connect(m_run, &FlashRun::scheduleChanged, this, &RunTrayIcon::update);
    update();
}

RunTrayIcon::~RunTrayIcon()
{
    delete m_tray;
    delete m_menu;
}

void RunTrayIcon::mnuTrayShowMain_Click()
{
    if (!m_frmMain)
        return;
    m_frmMain->showNormal();
    m_frmMain->raise();
    m_frmMain->activateWindow();
}

void RunTrayIcon::hide()
{
    m_hidden = true;
    if (m_tray)
        m_tray->hide();
}

void RunTrayIcon::update()
{
    const bool running = m_run->isRunning();
    mnuTrayProceed->setText(running ? FlashRun::StopCaption : FlashRun::StartCaption);

    QString state;
    if (!running)
        state = tr("Stopped");
    else if (const QDateTime due = m_run->nextFlashDue(); due.isValid())
        state = tr("Next picture at %1").arg(due.toString(QStringLiteral("HH:mm:ss")));
    else
        state = tr("A picture is on the screen");
    m_toolTip = ProgramInfo::title() + '\n' + state;

    // The icon comes with the first run and stays, so a run stopped from the
    // tray can be started again from there.
    if (!m_tray && !m_hidden && running && QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon;
        m_tray->setObjectName(QStringLiteral("trayIcon"));
        m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger)
                        mnuTrayShowMain_Click();
                });
    }
    if (!m_tray || m_hidden)
        return;
    const QIcon icon = ProgramIcon::windowIcon();
    m_tray->setIcon(running ? icon : QIcon(icon.pixmap(32, QIcon::Disabled)));
    m_tray->setToolTip(m_toolTip);
    m_tray->show();
}
