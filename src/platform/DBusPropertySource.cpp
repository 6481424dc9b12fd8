#include "platform/DBusPropertySource.h"

#include "platform/DBusValues.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace
{
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
}

DBusPropertySource::DBusPropertySource(const QDBusConnection& bus, const QString& service,
                                       const QString& path, const QString& interface,
                                       const QString& property, QObject* parent)
    : PauseSource(parent), m_bus(bus), m_service(service), m_path(path), m_interface(interface),
      m_property(property)
{
}

DBusPropertySource::~DBusPropertySource()
{
    setWatching(false);
}

void DBusPropertySource::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    ++m_generation;
    if (!watching) {
        m_bus.disconnect(m_service, m_path, PropertiesInterface,
                         QStringLiteral("PropertiesChanged"), this,
                         SLOT(propertiesChanged(QDBusMessage)));
        delete m_serviceWatcher;
        m_serviceWatcher = nullptr;
        setActive(false);
        return;
    }
    m_serviceWatcher =
        new QDBusServiceWatcher(m_service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                serviceOwnerChanged(newOwner);
            });
    m_bus.connect(m_service, m_path, PropertiesInterface, QStringLiteral("PropertiesChanged"), this,
                  SLOT(propertiesChanged(QDBusMessage)));
    ask();
}

void DBusPropertySource::ask()
{
    auto message = QDBusMessage::createMethodCall(m_service, m_path, PropertiesInterface,
                                                  QStringLiteral("Get"));
    message << m_interface << m_property;
    // Asking must not start a service that is not running.
    message.setAutoStartService(false);
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, call, generation = m_generation] {
                call->deleteLater();
                if (generation != m_generation)
                    return;
                const QDBusMessage reply = call->reply();
                const auto value = reply.type() == QDBusMessage::ReplyMessage
                                       ? DBusValues::boolean(reply.arguments().value(0))
                                       : std::nullopt;
                setActive(value.value_or(false));
            });
}

void DBusPropertySource::serviceOwnerChanged(const QString& newOwner)
{
    ++m_generation;
    setActive(false);
    if (!newOwner.isEmpty())
        ask();
}

void DBusPropertySource::propertiesChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (!m_watching || arguments.size() != 3 || arguments.at(0).toString() != m_interface)
        return;
    const QVariantMap changed = DBusValues::dictionary(arguments.at(1));
    if (changed.contains(m_property)) {
        setActive(DBusValues::boolean(changed.value(m_property)).value_or(false));
        return;
    }
    // Invalidated without a value: ask for it.
    if (arguments.at(2).toStringList().contains(m_property))
        ask();
}
