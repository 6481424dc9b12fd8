// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A headless Weston with XWayland and its own session bus, for tests that
// run programs under a real Wayland compositor. Started with --debug so that
// weston-screenshooter may take pictures of the output (pixman renderer).
class WestonSession
{
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;

    ~WestonSession()
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
        for (const char* tool : {"weston", "Xwayland", "weston-screenshooter", "dbus-daemon"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return fail(QStringLiteral("%1 is not installed").arg(tool));
        if (QProcess::execute("/usr/bin/python3", {"-c", "import pyatspi"}) != 0)
            return fail("python3-pyatspi is not installed");
        if (!m_runtime.isValid())
            return fail("no runtime folder");
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!m_bus.waitForReadyRead(10000))
            return fail("the session bus did not start");
        m_busAddress = QString::fromLocal8Bit(m_bus.readLine()).trimmed();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        m_compositor.setProcessEnvironment(environment);
        m_compositor.setProcessChannelMode(QProcess::MergedChannels);
        m_compositor.start("weston", {"--backend=headless-backend.so", "--use-pixman", "--xwayland",
                                      "--debug", "--idle-time=0", "--socket=wayland-test",
                                      QStringLiteral("--width=%1").arg(Width),
                                      QStringLiteral("--height=%1").arg(Height)});
        // Weston names the X display once XWayland listens.
        const QRegularExpression listening("xserver listening on display (:\\d+)");
        const bool up = QTest::qWaitFor(
            [&] {
                m_log += QString::fromLocal8Bit(m_compositor.readAll());
                m_xDisplay = listening.match(m_log).captured(1);
                return !m_xDisplay.isEmpty() || m_compositor.state() == QProcess::NotRunning;
            },
            20000);
        if (!up || m_xDisplay.isEmpty())
            return fail("weston did not start: " + m_log.simplified().right(300));
        return true;
    }

    QString failure() const { return m_failure; }
    QString xDisplay() const { return m_xDisplay; }
    // An absolute path, so that clients need not share the runtime folder.
    QString waylandDisplay() const { return m_runtime.filePath("wayland-test"); }

    // What a client of this session needs.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment;
        environment.insert("WAYLAND_DISPLAY", waylandDisplay());
        environment.insert("DISPLAY", m_xDisplay);
        environment.insert("XDG_SESSION_TYPE", "wayland");
        environment.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        return environment;
    }

    // A screenshot of the whole output, or a null image.
    QImage screenshot() const
    {
        QTemporaryDir folder;
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

private:
    bool fail(const QString& why)
    {
        m_failure = why;
        return false;
    }

    QTemporaryDir m_runtime;
    QProcess m_bus;
    QProcess m_compositor;
    QString m_busAddress;
    QString m_xDisplay;
    QString m_log;
    QString m_failure;
};
