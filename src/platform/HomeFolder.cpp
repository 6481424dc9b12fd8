// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HomeFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace
{

QString userFolder(QStandardPaths::StandardLocation location, const char* variable)
{
    if (qEnvironmentVariableIsEmpty("HOME") &&
        !QDir::isAbsolutePath(qEnvironmentVariable(variable)))
        return {};
    return QStandardPaths::writableLocation(location);
}

} // namespace

QString HomeFolder::config()
{
    return userFolder(QStandardPaths::GenericConfigLocation, "XDG_CONFIG_HOME");
}

QString HomeFolder::cache()
{
    return userFolder(QStandardPaths::GenericCacheLocation, "XDG_CACHE_HOME");
}
