#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "platform/ProgramInfo.h"
#include "platform/Services.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    PlatformChoice::preferX11OnWayland(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik-subliminal-images"));
    QApplication::setApplicationVersion(QLatin1String(ProgramInfo::Version));
    QApplication::setWindowIcon(ProgramIcon::windowIcon());
    // The program ends through EndProgram, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    RealServices services;
    Program program(services.services());
    if (!program.start())
        return 0;
    return QApplication::exec();
}
