#pragma once

#include "FakeBusService.h"
#include "PrivateBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// A headless Wayland compositor with XWayland and its own session bus, for
// tests that run programs under a real desktop: Weston, GNOME Shell or KWin,
// as ZORVIK_COMPOSITOR says (weston, gnome, kwin).
class CompositorSession
{
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;
    enum class Kind { Weston, Gnome, KWin };
    const Kind kind = qgetenv("ZORVIK_COMPOSITOR") == "gnome"  ? Kind::Gnome
                      : qgetenv("ZORVIK_COMPOSITOR") == "kwin" ? Kind::KWin
                                                               : Kind::Weston;

    ~CompositorSession()
    {
        for (QProcess* process : {&m_compositor, &m_bus})
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000)) {
                    process->kill();
                    process->waitForFinished();
                }
            }
    }

    // Starts the session; on failure, failure() says why.
    bool start()
    {
        const char* compositor = kind == Kind::Gnome  ? "gnome-shell"
                                 : kind == Kind::KWin ? "kwin_wayland"
                                                      : "weston";
        for (const char* tool :
             {compositor, "Xwayland", "weston-fullscreen", "weston-screenshooter", "dbus-daemon"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return fail(QStringLiteral("%1 is not installed").arg(tool));
        if (QProcess::execute("/usr/bin/python3", {"-c", "import pyatspi"}) != 0)
            return fail("python3-pyatspi is not installed");
        if (!m_runtime.isValid())
            return fail("no runtime folder");
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Settings written through the bus (dconf) stay in the session.
        QProcessEnvironment busEnvironment = QProcessEnvironment::systemEnvironment();
        busEnvironment.insert("XDG_CONFIG_HOME", configFolder());
        busEnvironment.insert("XDG_RUNTIME_DIR", m_runtime.path());
        m_bus.setProcessEnvironment(busEnvironment);
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!m_bus.waitForReadyRead(10000))
            return fail("the session bus did not start");
        m_busAddress = QString::fromLocal8Bit(m_bus.readLine()).trimmed();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(this->environment());
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        // XWayland's sockets; no X server may have made the folder yet.
        QDir().mkpath("/tmp/.X11-unix");
        ::chmod("/tmp/.X11-unix", 01777);
        QString program = "weston";
        QStringList arguments{"--backend=headless-backend.so",
                              "--use-pixman",
                              "--xwayland",
                              "--debug",
                              "--idle-time=0",
                              "--socket=wayland-test",
                              "--width=1024",
                              "--height=768"};
        // Up once XWayland listens and, for the Shell, its interface has started.
        QString ready = "xserver listening on display (:\\d+)";
        if (kind == Kind::Gnome) {
            // The Shell offers its lock only where GDM answers on a system bus.
            m_system = std::make_unique<PrivateBus>();
            m_displayManager =
                std::make_unique<FakeBusService>(m_system->address(), "org.gnome.DisplayManager");
            m_displayManager->answer = [](const QDBusMessage&) -> std::optional<QVariantList> {
                return QVariantList{QVariant::fromValue(QDBusVariant(QStringLiteral("43.0")))};
            };
            if (!m_system->isRunning() || !m_displayManager->start())
                return fail("no fake GDM on a private system bus");
            environment.insert("DBUS_SYSTEM_BUS_ADDRESS", m_system->address());
            program = "gnome-shell";
            arguments =
                QStringList{"--headless",        "--wayland",
                            "--unsafe-mode",     "--wayland-display=wayland-test",
                            "--virtual-monitor", QStringLiteral("%1x%2").arg(Width).arg(Height)};
            ready = "Using public X11 display (:\\d+)[\\s\\S]*GNOME Shell started";
        }
        if (kind == Kind::KWin) {
            // A copy without the file capability that a container refuses to grant.
            program = m_runtime.filePath("kwin_wayland");
            if (!QFile::copy(QStandardPaths::findExecutable("kwin_wayland"), program))
                return fail("kwin_wayland could not be copied");
            environment.insert("KWIN_SCREENSHOT_NO_PERMISSION_CHECKS", "1");
            // KWin names its X display only to the programs it starts.
            arguments = QStringList{"--virtual",
                                    "--xwayland",
                                    "--socket=wayland-test",
                                    "--width=1024",
                                    "--height=768",
                                    "sh -c 'echo xserver listening on display $DISPLAY'"};
        }
        m_compositor.setProcessEnvironment(environment);
        m_compositor.setProcessChannelMode(QProcess::MergedChannels);
        m_compositor.start(program, arguments);
        const QRegularExpression listening(ready);
        const bool up = QTest::qWaitFor(
            [&] {
                m_log += QString::fromLocal8Bit(m_compositor.readAll());
                m_xDisplay = listening.match(m_log).captured(1);
                return !m_xDisplay.isEmpty() || m_compositor.state() == QProcess::NotRunning;
            },
            30000);
        if (!up || m_xDisplay.isEmpty())
            return fail(program + " did not start: " + m_log.simplified().right(300));
        // The Shell opens with its overview, where windows are only small pictures.
        const auto desktopShown = [this] {
            return call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                        {"Main.overview.hide(); Main.layoutManager._startingUp || "
                         "Main.overview.visible"})
                       .arguments()
                       .value(1) == "false";
        };
        if (kind == Kind::Gnome && !QTest::qWaitFor(desktopShown, 20000))
            return fail("the Shell's overview did not close");
        return true;
    }

    QString failure() const { return m_failure; }
    QString xDisplay() const { return m_xDisplay; }
    QString configFolder() const { return m_runtime.filePath("config"); }
    // An absolute path, so that clients need not share the runtime folder.
    QString waylandDisplay() const { return m_runtime.filePath("wayland-test"); }

    // What a client of this session needs.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment;
        // One runtime folder for the whole session, as a desktop has.
        environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
        environment.insert("WAYLAND_DISPLAY", waylandDisplay());
        environment.insert("DISPLAY", m_xDisplay);
        environment.insert("XDG_SESSION_TYPE", "wayland");
        environment.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        // The Shell's XWayland lets in only those who have its cookie.
        const QStringList cookies =
            QDir(m_runtime.path())
                .entryList({".mutter-Xwaylandauth.*"}, QDir::Files | QDir::Hidden);
        if (!cookies.isEmpty())
            environment.insert("XAUTHORITY", m_runtime.filePath(cookies.constFirst()));
        return environment;
    }

    // A method call on the session bus, waited for.
    QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        return QDBusConnection::connectToBus(m_busAddress, "compositor-session")
            .call(message, QDBus::Block, 20000);
    }

    // A screenshot of the whole output, or a null image.
    QImage screenshot() const
    {
        QTemporaryDir folder;
        if (kind == Kind::Gnome) {
            call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                 "org.gnome.Shell.Screenshot", "Screenshot",
                 {false, false, folder.filePath("shot.png")});
            return QImage(folder.filePath("shot.png"));
        }
        if (kind == Kind::KWin) {
            // KWin writes the raw image into a pipe and says its shape in the reply.
            int pipe[2];
            if (::pipe(pipe) != 0)
                return {};
            const QDBusMessage reply =
                call("org.kde.KWin.ScreenShot2", "/org/kde/KWin/ScreenShot2",
                     "org.kde.KWin.ScreenShot2", "CaptureArea",
                     {0, 0, uint(Width), uint(Height), QVariantMap(),
                      QVariant::fromValue(QDBusUnixFileDescriptor(pipe[1]))});
            ::close(pipe[1]);
            QFile read;
            read.open(pipe[0], QIODevice::ReadOnly, QFile::AutoCloseHandle);
            const QByteArray data = read.readAll();
            const QVariantMap shape = qdbus_cast<QVariantMap>(reply.arguments().value(0));
            const QImage image(reinterpret_cast<const uchar*>(data.constData()),
                               shape["width"].toInt(), shape["height"].toInt(),
                               shape["stride"].toInt(), QImage::Format(shape["format"].toInt()));
            return data.size() < image.sizeInBytes() ? QImage() : image.copy();
        }
        QProcess shooter;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(this->environment());
        shooter.setProcessEnvironment(environment);
        shooter.setWorkingDirectory(folder.path());
        shooter.start("weston-screenshooter", {});
        if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
            return {};
        const QStringList files = QDir(folder.path()).entryList({"*.png"});
        return files.isEmpty() ? QImage() : QImage(folder.filePath(files.constFirst()));
    }

    // The title of the window with the keyboard, as the compositor has it;
    // null where it does not tell (Weston).
    QString activeWindowTitle()
    {
        if (kind == Kind::Gnome)
            return call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                        {"global.display.focus_window?.get_title() ?? ''"})
                .arguments()
                .value(1)
                .toString();
        if (kind != Kind::KWin)
            return {};
        // A script of the test's own says it in KWin's log.
        static int count = 0;
        QFile script(m_runtime.filePath(QStringLiteral("active%1.js").arg(++count)));
        const QString mark = QStringLiteral("active window %1: ").arg(count);
        if (!script.open(QIODevice::WriteOnly) ||
            script.write(("var w = workspace.activeClient; print('" + mark +
                          "' + JSON.stringify(w ? w.caption : ''));")
                             .toUtf8()) < 0)
            return {};
        script.close();
        call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "loadScript",
             {script.fileName(), script.fileName()});
        call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "start");
        const QRegularExpression said(QRegularExpression::escape(mark) + "(\"[^\n]*\")");
        QString title;
        (void)QTest::qWaitFor(
            [&] {
                m_log += QString::fromLocal8Bit(m_compositor.readAll());
                title = said.match(m_log).captured(1);
                return !title.isEmpty();
            },
            10000);
        return title;
    }

private:
    bool fail(const QString& why)
    {
        m_failure = why;
        return false;
    }

    QTemporaryDir m_runtime;
    std::unique_ptr<PrivateBus> m_system;
    std::unique_ptr<FakeBusService> m_displayManager;
    QProcess m_bus;
    QProcess m_compositor;
    QString m_busAddress;
    QString m_xDisplay;
    QString m_log;
    QString m_failure;
};
