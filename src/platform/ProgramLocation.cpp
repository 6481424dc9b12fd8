#include "platform/ProgramLocation.h"

#include "platform/LibraryLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

ProgramLocation ProgramLocation::ofRunningProgram()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    return {LibraryLocation::choose(executable.absolutePath(), LibraryLocation::userDataFolder()),
            executable.completeBaseName()};
}
