// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XdgAutostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{

// A quoted argument of an Exec line: inside the quotes ", `, $ and \ take a
// backslash; then, as in every string value, each backslash is doubled.
QString execArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

XdgAutostart::XdgAutostart(QString executable) : m_executable(std::move(executable)) {}

QString XdgAutostart::entryPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/zorvik-subliminal-images.desktop");
}

QString XdgAutostart::entryText() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Zorvik Subliminal Images\n"
                          "Comment=Starts flashing pictures when the session starts\n"
                          "Exec=%1 --start\n"
                          "Icon=zorvik-subliminal-images\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(m_executable));
}

bool XdgAutostart::isOn() const
{
    return QFileInfo(entryPath()).isFile();
}

QString XdgAutostart::setOn(bool on)
{
    const QString path = entryPath();
    if (!on) {
        QFile entry(path);
        if (entry.exists() && !entry.remove())
            return entry.errorString();
        return {};
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("XdgAutostart", "The folder %1 cannot be made.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly) || entry.write(entryText().toUtf8()) < 0 ||
        !entry.commit())
        return entry.errorString();
    return {};
}

Autostart& desktopAutostart()
{
    static XdgAutostart autostart(QCoreApplication::applicationFilePath());
    return autostart;
}
