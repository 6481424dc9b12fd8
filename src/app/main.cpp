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
#include "platform/StalledBuses.h"
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

// Hands a command to the copy already running; returns the exit status, or
// -1 when no copy answers and ifNotRunning is -1.
int handOver(const RemoteCommand& command, int ifNotRunning)
{
    QString error;
    switch (command.send(error)) {
    case RemoteCommand::Delivery::Delivered:
        return 0;
    case RemoteCommand::Delivery::NotRunning:
        if (ifNotRunning >= 0)
            complain(
                QCoreApplication::translate("main", "Zorvik Subliminal Images is not running."));
        return ifNotRunning;
    case RemoteCommand::Delivery::Failed:
        complain(error);
        return 1;
    }
    return 1;
}

// Answers --help and --version, refuses what it does not know, and hands a
// command to the copy already running, without touching the window system.
// The core application lives just for this. Returns the exit status, or -1
// when this launch goes on to run the program.
int readCommandLine(int argc, char* argv[], bool& startsRun, const QStringList& setAside)
{
    QCoreApplication core(argc, argv);
    Translations::install();
    const CommandLine commandLine(QCoreApplication::arguments(),
                                  QLatin1String(ProgramInfo::Version));
    if (commandLine.action() != CommandLine::Action::Run)
        return commandLine.respond();
    for (const QString& bus : setAside)
        complain(bus == QLatin1String("session")
                     ? QCoreApplication::translate("main", "The session bus does not answer: the "
                                                           "program goes on without it.")
                     : QCoreApplication::translate("main", "The system bus does not answer: the "
                                                           "program goes on without it."));
    const RemoteCommand& command = commandLine.command();
    startsRun = commandLine.startsRun();
    // A bare launch runs the program or says "already running". --start alone
    // is handed over only once the program knows a copy runs: the session bus
    // cannot be used again after this core application ends.
    if (command.isEmpty() ||
        (startsRun && command.pictures.isEmpty() && command.messages.isEmpty() && !command.set))
        return -1;
    return handOver(command, 1);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zorvik-subliminal-images"));
    QCoreApplication::setApplicationVersion(QLatin1String(ProgramInfo::Version));
    // Before anything, Qt included, waits on a bus that never answers.
    const QStringList setAside = StalledBuses::setAside();
    bool startsRun = false;
    if (const int status = readCommandLine(argc, argv, startsRun, setAside); status >= 0)
        return status;

    PlatformChoice::preferX11OnWayland(argc, argv);
    const std::unique_ptr<QApplication> application = DesktopSession::connect(argc, argv);
    Translations::install();
    QApplication::setWindowIcon(ProgramIcon::windowIcon());
    // The program ends through Program::end(), not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    RealServices services;
    // --start while a copy runs, as a key binding does: that copy starts. One
    // that does not answer on the bus gets the old message below.
    if (startsRun && services.services().instance.anotherInstanceRunning()) {
        RemoteCommand start;
        start.kind = RemoteCommand::Kind::Start;
        if (const int status = handOver(start, -1); status >= 0)
            return status;
    }
    Program program(services.services());
    if (!program.start(startsRun))
        return 0;
    // Commands from later launches and scripts, once there is a window to obey.
    RemoteControl remoteControl(*program.session(), services.services().dialogs);
    remoteControl.publish();
    return QApplication::exec();
}
