// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1"),
                    QStringLiteral("--address=unix:dir=") + m_folder.path()});
    // The daemon prints its address once it listens.
    if (m_daemon.waitForStarted(10000) && m_daemon.waitForReadyRead(10000))
        m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000))
        m_daemon.kill();
    m_daemon.waitForFinished(5000);
}
