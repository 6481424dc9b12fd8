// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ExitScreen;
class LibraryLock;
class MainWindow;
class Session;

// The program's life: the start-up sequence and its end. It makes the session
// and the main window onto it; with --start it asks the session to start.
class Program : public QObject
{
    Q_OBJECT
public:
    explicit Program(const Services& services, QObject* parent = nullptr);
    ~Program() override;

    // Runs the start-up sequence, and with startsRun then presses Start.
    // Returns false when the program has ended already (another instance is
    // running).
    bool start(bool startsRun = false);

    // Closes every window, then ends the program. May be entered again while
    // it runs (a window's closing can call it).
    void end();

    // Null until start() has made it, or when another instance runs.
    Session* session() const { return m_session; }
    MainWindow* mainWindow() const;
    ExitScreen* exitScreen() const;
    // Which promotional link start-up brought to the front: 1 to 6, odd for
    // co-branding, even for full branding.
    int coBrandDraw() const { return m_coBrandDraw; }
    bool hasEnded() const { return m_ended; }

private:
    bool singleInstanceGuard();
    bool libraryGuard();
    void mainWindowUnloading();

    Services m_services;
    Session* m_session = nullptr;
    QPointer<MainWindow> m_mainWindow;
    QPointer<ExitScreen> m_exitScreen;
    std::unique_ptr<LibraryLock> m_libraryLock;
    int m_coBrandDraw = 0;
    bool m_ending = false;
    bool m_ended = false;
};
