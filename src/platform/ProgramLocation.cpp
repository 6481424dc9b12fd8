#include "platform/ProgramLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

ProgramLocation ProgramLocation::ofRunningProgram()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    return {executable.absolutePath(), executable.completeBaseName()};
}
