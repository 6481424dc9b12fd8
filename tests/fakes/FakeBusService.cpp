// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeBusService.h"

#include <QDBusConnectionInterface>
#include <QDBusVariant>

FakeBusService::FakeBusService(QString address, QString service)
    : m_address(std::move(address)), m_service(std::move(service))
{
}

FakeBusService::~FakeBusService()
{
    stop();
}

bool FakeBusService::start()
{
    static int count = 0;
    stop();
    m_connectionName = QStringLiteral("fake-service-%1").arg(++count);
    QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_connectionName);
    return bus.isConnected() &&
           bus.registerVirtualObject(QStringLiteral("/"), this, QDBusConnection::SubPath) &&
           bus.registerService(m_service);
}

void FakeBusService::stop()
{
    if (m_connectionName.isEmpty())
        return;
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_connectionName.clear();
    m_held.clear();
}

void FakeBusService::emitSignal(const QString& path, const QString& interface, const QString& name,
                                const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createSignal(path, interface, name);
    message.setArguments(arguments);
    QDBusConnection(m_connectionName).send(message);
}

void FakeBusService::emitPropertyChanged(const QString& path, const QString& interface,
                                         const QString& property, const QVariant& value)
{
    QVariantMap changed;
    QStringList invalidated;
    if (value.isValid())
        changed.insert(property, value);
    else
        invalidated << property;
    emitSignal(path, QStringLiteral("org.freedesktop.DBus.Properties"),
               QStringLiteral("PropertiesChanged"), {interface, changed, invalidated});
}

void FakeBusService::releaseHeld(const QVariantList& arguments)
{
    const QList<QDBusMessage> held = std::exchange(m_held, {});
    for (const QDBusMessage& call : held)
        QDBusConnection(m_connectionName).send(call.createReply(arguments));
}

QString FakeBusService::introspect(const QString&) const
{
    return {};
}

bool FakeBusService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    calls << message;
    if (holdReplies) {
        m_held << message;
        return true;
    }
    const std::optional<QVariantList> arguments =
        answer ? answer(message) : std::optional<QVariantList>();
    if (arguments)
        connection.send(message.createReply(*arguments));
    else
        connection.send(message.createErrorReply(QDBusError::UnknownMethod, message.member()));
    return true;
}
