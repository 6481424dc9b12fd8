// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/LibraryLock.h"
#include "app/MainWindow.h"
#include "app/RefusalMessage.h"
#include "core/Session.h"
#include "flash/FlashWindows.h"
#include "library/LibraryFolder.h"
#include "platform/ProgramInfo.h"
#include "web/ExitScreen.h"
#include "web/UpdateReminder.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

Program::Program(const Services& services, QObject* parent) : QObject(parent), m_services(services)
{
}

Program::~Program()
{
    if (m_mainWindow)
        delete m_mainWindow.data();
    if (m_exitScreen)
        delete m_exitScreen.data();
}

MainWindow* Program::mainWindow() const
{
    return m_mainWindow.data();
}

ExitScreen* Program::exitScreen() const
{
    return m_exitScreen.data();
}

bool Program::start(bool startsRun)
{
    if (!singleInstanceGuard() || !libraryGuard())
        return false;
    m_services.random.seedFromClock();
    UpdateReminder(m_services).run();

    m_session = FlashWindows::newSession(m_services, this);
    m_mainWindow = new MainWindow(*m_session, m_services);
    connect(m_mainWindow, &MainWindow::unloading, this, &Program::mainWindowUnloading);
    m_mainWindow->load();
    m_mainWindow->show();
    m_coBrandDraw = m_mainWindow->coBrandDraw(m_services.random);
    // The same checks as the button's: without pictures, its message and no run.
    if (startsRun)
        showRefusal(m_services.dialogs, m_session->start());
    return true;
}

bool Program::singleInstanceGuard()
{
    if (!m_services.instance.anotherInstanceRunning())
        return true;
    m_services.dialogs.message(tr("Application is already running"), MessageIcon::Information,
                               MessageButtons::Ok, ProgramInfo::title());
    end();
    return false;
}

// The instance indicator is per session; two sessions (or two runtime
// folders) can still reach one library, and each save would drop what the
// other added. The library's lock goes with the process, so a copy that
// died never blocks the next.
bool Program::libraryGuard()
{
    const LibraryFolder folder(m_services.program.folder);
    m_libraryLock = std::make_unique<LibraryLock>(folder);
    if (m_libraryLock->tryLock() != LibraryLock::Outcome::InUse)
        return true; // locked, or no lock can be had here: go on
    m_services.dialogs.message(tr("The picture library in %1 is in use by another running copy "
                                  "of the program.")
                                   .arg(QDir::toNativeSeparators(folder.programFolder())),
                               MessageIcon::Information, MessageButtons::Ok, ProgramInfo::title());
    end();
    return false;
}

void Program::mainWindowUnloading()
{
    // The exit screen takes the main window's place; the program ends with it.
    if (!m_ending && !m_exitScreen)
        m_exitScreen = ExitScreen::showNew(m_services, [this] { end(); });
}

void Program::end()
{
    m_ended = true;
    if (!m_ending) {
        m_ending = true;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            if (window->isVisible())
                window->close();
    }
    QCoreApplication::exit(0);
}
