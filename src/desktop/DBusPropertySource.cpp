// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DBusPropertySource.h"

#include "desktop/DBusValues.h"

namespace
{
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
}

DBusPropertySource::DBusPropertySource(const QDBusConnection& bus, const QString& service,
                                       const QString& path, const QString& interface,
                                       const QString& property, QObject* parent)
    : BusServiceSource(bus, service, path, PropertiesInterface, QStringLiteral("PropertiesChanged"),
                       parent),
      m_interface(interface), m_property(property)
{
}

QDBusMessage DBusPropertySource::question() const
{
    auto message = QDBusMessage::createMethodCall(service(), path(), PropertiesInterface,
                                                  QStringLiteral("Get"));
    message << m_interface << m_property;
    return message;
}

bool DBusPropertySource::activeIn(const QDBusMessage& reply) const
{
    return DBusValues::boolean(reply.arguments().value(0)).value_or(false);
}

void DBusPropertySource::signalled(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() != 3 || arguments.at(0).toString() != m_interface)
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
