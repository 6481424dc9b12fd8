// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LogindLockSource.h"

#include "desktop/DBusPropertySource.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <unistd.h>

namespace
{
const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
} // namespace

LogindLockSource::LogindLockSource(const QDBusConnection& systemBus, QObject* parent)
    : PauseSource(parent), m_bus(systemBus)
{
}

LogindLockSource::~LogindLockSource()
{
    setWatching(false);
}

void LogindLockSource::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    if (!watching) {
        delete m_serviceWatcher;
        m_serviceWatcher = nullptr;
        forgetSession();
        return;
    }
    m_serviceWatcher =
        new QDBusServiceWatcher(Service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                // A restarted logind may know the session under a new path.
                forgetSession();
                if (!newOwner.isEmpty())
                    findSession();
            });
    findSession();
}

void LogindLockSource::findSession()
{
    const QString sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    QDBusMessage message;
    if (!sessionId.isEmpty()) {
        message = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                 QStringLiteral("GetSession"));
        message << sessionId;
    } else {
        message = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                 QStringLiteral("GetSessionByPID"));
        message << quint32(::getpid());
    }
    message.setAutoStartService(false);
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, call, generation = m_generation] {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                if (generation != m_generation || reply.type() != QDBusMessage::ReplyMessage ||
                    reply.signature() != QLatin1String("o"))
                    return;
                follow(reply.arguments().value(0).value<QDBusObjectPath>().path());
            });
}

void LogindLockSource::follow(const QString& sessionPath)
{
    forgetSession();
    m_lockedHint = new DBusPropertySource(m_bus, Service, sessionPath,
                                          QStringLiteral("org.freedesktop.login1.Session"),
                                          QStringLiteral("LockedHint"), this);
    connect(m_lockedHint, &PauseSource::activeChanged, this, &LogindLockSource::setActive);
    m_lockedHint->setWatching(true);
}

void LogindLockSource::forgetSession()
{
    ++m_generation;
    delete m_lockedHint;
    m_lockedHint = nullptr;
    setActive(false);
}
