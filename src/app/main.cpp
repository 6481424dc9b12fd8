// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DesktopSession.h"
#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "app/RealServices.h"
#include "app/Translations.h"
#include "platform/ProgramInfo.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>

namespace
{

// Answers --help and --version, and refuses what it does not know, without
// touching the window system. The core application lives just for this.
int readCommandLine(int argc, char* argv[], bool& startsRun)
{
    QCoreApplication core(argc, argv);
    Translations::install();
    const CommandLine commandLine(QCoreApplication::arguments(),
                                  QLatin1String(ProgramInfo::Version));
    startsRun = commandLine.startsRun();
    return commandLine.action() == CommandLine::Action::Run ? -1 : commandLine.respond();
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
    return QApplication::exec();
}
