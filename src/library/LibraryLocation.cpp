// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryLocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <unistd.h>

namespace LibraryLocation
{

QString choose(const QString& programFolder, const QString& dataFolder)
{
    const QString listFile = programFolder + QStringLiteral("/record.txt");
    const QString copiesFolder = programFolder + QStringLiteral("/SystemFolder");
    // A library already there stays there, read-only or not, so that the
    // rules for a read-only list or copies folder still hold.
    if (QFileInfo::exists(listFile) || QFileInfo::exists(copiesFolder))
        return programFolder;
    // Asked of the kernel with the effective user, groups and capabilities,
    // as the later writes will be; not read from the permission bits.
    if (::faccessat(AT_FDCWD, QFile::encodeName(programFolder).constData(), W_OK | X_OK,
                    AT_EACCESS) == 0)
        return programFolder;
    return dataFolder;
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zorvik-subliminal-images");
}

ProgramLocation ofRunningProgram()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    return {choose(executable.absolutePath(), userDataFolder()), executable.completeBaseName(), {}};
}

} // namespace LibraryLocation
