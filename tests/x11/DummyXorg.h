// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Xorg with the dummy video driver: a real X server with RandR outputs and no
// hardware, so that tests can lay out several monitors and switch one off.
// Needs xserver-xorg-core and xserver-xorg-video-dummy, and the right to
// start Xorg (root, or a console user).
class DummyXorg
{
public:
    ~DummyXorg() { stop(); }

    // Starts the server and openbox; on failure, failure() says why.
    bool start()
    {
        if (QStandardPaths::findExecutable("Xorg").isEmpty())
            return fail("Xorg is not installed (xserver-xorg-core)");
        if (!QFile::exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"))
            return fail("the dummy video driver is not installed (xserver-xorg-video-dummy)");
        for (int n = 150; n < 200 && m_display.isEmpty(); ++n)
            if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                m_display = QStringLiteral(":%1").arg(n);
        const QString config = QStringLiteral(ZORVIK_SOURCE_DIR "/tests/x11/xorg-dummy.conf");
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start("Xorg", {m_display, "-config", config, "-logfile", m_logs.filePath("log"),
                                "-noreset", "-nolisten", "tcp", "+extension", "RANDR"});
        if (!m_server.waitForStarted())
            return fail("Xorg could not be started");
        const bool up = QTest::qWaitFor(
            [this] {
                if (m_server.state() != QProcess::Running)
                    return true;
                QProcess check;
                check.start("xdpyinfo", {"-display", m_display});
                return check.waitForFinished(5000) && check.exitCode() == 0;
            },
            20000);
        if (!up || m_server.state() != QProcess::Running)
            return fail("Xorg did not start: " +
                        QString::fromLocal8Bit(m_server.readAll()).simplified().right(300));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        m_windowManager.setProcessEnvironment(environment);
        // Ready once it has announced itself on the root window. On a loaded
        // machine openbox now and then ends at start without a word: it is
        // started again, up to three times.
        int starts = 0;
        const bool managed = QTest::qWaitFor(
            [this, &starts] {
                if (m_windowManager.state() == QProcess::NotRunning) {
                    if (starts++ == 3)
                        return true;
                    m_windowManager.start("openbox", {"--sm-disable"});
                    m_windowManager.waitForStarted();
                }
                QProcess check;
                check.start("xprop", {"-display", m_display, "-root", "_NET_SUPPORTING_WM_CHECK"});
                return check.waitForFinished(5000) && check.readAll().contains("window id");
            },
            30000);
        return managed && m_windowManager.state() == QProcess::Running
                   ? true
                   : fail("openbox did not start on " + m_display);
    }

    QString display() const { return m_display; }
    QString failure() const { return m_failure; }

    // Runs xrandr on this server; true when it succeeded.
    bool xrandr(const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start("xrandr", QStringList{"-display", m_display} + arguments);
        return process.waitForFinished(10000) && process.exitCode() == 0;
    }

    void stop()
    {
        for (QProcess* process : {&m_windowManager, &m_server})
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000)) {
                    process->kill();
                    process->waitForFinished();
                }
            }
    }

private:
    bool fail(const QString& why)
    {
        m_failure = why;
        return false;
    }

    QTemporaryDir m_logs;
    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
    QString m_failure;
};
