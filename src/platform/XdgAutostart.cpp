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
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Zorvik Subliminal Images\n"
               "Comment=Starts flashing pictures when the session starts\n"
               // Every language at once, as session settings list the entry
               // in the desktop's language, whatever the program's was.
               "Comment[de]=Beginnt beim Sitzungsstart mit dem Einblenden von Bildern\n"
               "Comment[es]=Empieza a mostrar imágenes al iniciar la sesión\n"
               "Comment[fr]=Commence à afficher des images à l’ouverture de la session\n"
               "Comment[it]=Inizia a mostrare immagini all’avvio della sessione\n"
               "Comment[ja]=セッションの開始時に画像の表示を始めます\n"
               "Comment[nl]=Begint bij het starten van de sessie met het tonen van afbeeldingen\n"
               "Comment[pl]=Rozpoczyna wyświetlanie obrazów po uruchomieniu sesji\n"
               "Comment[pt_BR]=Começa a exibir imagens quando a sessão é iniciada\n"
               "Comment[ru]=Начинает показ изображений при запуске сеанса\n"
               "Comment[zh_CN]=会话启动时开始闪现图片\n"
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
