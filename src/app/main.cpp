#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "platform/Services.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    PlatformChoice::preferX11OnWayland(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik-subliminal-images"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVIK_VERSION));
    QIcon icon(QStringLiteral(":/icon-256.png"));
    icon.addFile(QStringLiteral(":/icon-32.png"));
    QApplication::setWindowIcon(icon);
    // The program ends through EndProgram, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    RealServices services;
    Program program(services.services());
    if (!program.start())
        return 0;
    return QApplication::exec();
}
