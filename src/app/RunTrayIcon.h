// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class Clock;
class Dialogs;
class FlashRun;
class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;
class Session;

// The run in the desktop's tray: from the first Start on, an icon in the
// program's colours while a run is on (grey while stopped), whose menu starts
// and stops the run and brings back the minimised main window, and whose
// tooltip says when the next picture comes, or why the run waits and until
// when. The menu and its actions exist
// on every desktop; the icon itself only where the desktop has a tray.
class RunTrayIcon : public QObject
{
    Q_OBJECT
public:
    RunTrayIcon(Session& session, Dialogs& dialogs, Clock& clock, QWidget& mainWindow,
                QObject* parent = nullptr);
    ~RunTrayIcon() override;

    QMenu* menu() const { return m_menu; }
    QString toolTip() const { return m_toolTip; }
    // Null where the desktop has no tray.
    QSystemTrayIcon* trayIcon() const { return m_tray; }

    // Brings back the minimised main window.
    void showMainWindow();
    // The main window is closing: the icon goes at once.
    void hide();

private:
    void update();

    Session& m_session;
    FlashRun& m_run;
    Clock& m_clock;
    QPointer<QWidget> m_mainWindow;
    QMenu* m_menu;
    QAction* m_pausedAction; // why the run is paused, while it is
    QAction* m_startStopAction;
    QAction* m_showMainAction;
    QSystemTrayIcon* m_tray = nullptr;
    QString m_toolTip;
    bool m_hidden = false;
    bool m_hostAsked = false;    // asked whether the tray host answers
    bool m_hostAnswered = false; // it does, or there is none: Qt's tray check will not wait
};
