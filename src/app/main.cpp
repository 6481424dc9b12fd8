// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DesktopSession.h"
#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "app/RealServices.h"
#include "app/RemoteCommand.h"
#include "app/RemoteControl.h"
#include "app/Translations.h"
#include "platform/ProgramInfo.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>
#include <cstdio>

namespace
{

// Prints a one-line complaint on standard error.
void complain(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

// Answers --help and --version, refuses what it does not know, and hands a
// command to the copy already running, without touching the window system.
// The core application lives just for this. Returns the exit status, or -1
// when this launch goes on to run the program.
int readCommandLine(int argc, char* argv[], bool& startsRun)
{
    QCoreApplication core(argc, argv);
    Translations::install();
    const CommandLine commandLine(QCoreApplication::arguments(),
                                  QLatin1String(ProgramInfo::Version));
    if (commandLine.action() != CommandLine::Action::Run)
        return commandLine.respond();
    const RemoteCommand& command = commandLine.command();
    startsRun = commandLine.startsRun();
    if (command.isEmpty())
        return -1; // a bare launch: the program, or "already running"
    QString error;
    switch (command.send(error)) {
    case RemoteCommand::Delivery::Delivered:
        return 0;
    case RemoteCommand::Delivery::NotRunning:
        // --start alone starts the program, as it always did.
        if (command.pictures.isEmpty() && command.kind == RemoteCommand::Kind::Start)
            return -1;
        complain(QCoreApplication::translate("main", "Zorvik Subliminal Images is not running."));
        return 1;
    case RemoteCommand::Delivery::Failed:
        complain(error);
        return 1;
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zorvik-subliminal-images"));
    QCoreApplication::setApplicationVersion(QLatin1String(ProgramInfo::Version));
    bool startsRun = false;
    if (const int status = readCommandLine(argc, argv, startsRun); status >= 0)
        return status;

    PlatformChoice::preferX11OnWayland(argc, argv);
    const std::unique_ptr<QApplication> application = DesktopSession::connect(argc, argv);
    Translations::install();
    QApplication::setWindowIcon(ProgramIcon::windowIcon());
    // The program ends through Program::end(), not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    RealServices services;
    Program program(services.services());
    if (!program.start(startsRun))
        return 0;
    // Commands from later launches and scripts, once there is a window to obey.
    RemoteControl remoteControl(*program.mainWindow());
    remoteControl.publish();
    return QApplication::exec();
}
