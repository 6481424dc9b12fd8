// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HomeFolder.h"

#include <QCoreApplication>
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

QString HomeFolder::state()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state))
        return state;
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home + QStringLiteral("/.local/state") : QString();
}

QString HomeFolder::notice()
{
    const bool settings = !config().isEmpty();
    const bool pictures = !cache().isEmpty();
    if (settings && pictures)
        return {};
    if (settings)
        return QCoreApplication::translate(
            "HomeFolder", "There is no home folder (HOME is not set): prepared pictures are "
                          "kept only while the program runs.");
    if (pictures)
        return QCoreApplication::translate("HomeFolder",
                                           "There is no home folder (HOME is not set): settings "
                                           "are kept only while the program runs.");
    return QCoreApplication::translate("HomeFolder",
                                       "There is no home folder (HOME is not set): settings and "
                                       "prepared pictures are kept only while the program runs.");
}
