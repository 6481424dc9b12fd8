// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ScreenSaverServiceSource.h"

ScreenSaverServiceSource::ScreenSaverServiceSource(const QDBusConnection& bus,
                                                   const QString& service, const QString& path,
                                                   const QString& interface, QObject* parent)
    : BusServiceSource(bus, service, path, interface, QStringLiteral("ActiveChanged"), parent),
      m_interface(interface)
{
}

ScreenSaverServiceSource* ScreenSaverServiceSource::freedesktop(const QDBusConnection& bus,
                                                                QObject* parent)
{
    return new ScreenSaverServiceSource(bus, QStringLiteral("org.freedesktop.ScreenSaver"),
                                        QStringLiteral("/org/freedesktop/ScreenSaver"),
                                        QStringLiteral("org.freedesktop.ScreenSaver"), parent);
}

ScreenSaverServiceSource* ScreenSaverServiceSource::gnome(const QDBusConnection& bus,
                                                          QObject* parent)
{
    return new ScreenSaverServiceSource(bus, QStringLiteral("org.gnome.ScreenSaver"),
                                        QStringLiteral("/org/gnome/ScreenSaver"),
                                        QStringLiteral("org.gnome.ScreenSaver"), parent);
}

ScreenSaverServiceSource* ScreenSaverServiceSource::gnomeShell(const QDBusConnection& bus,
                                                               QObject* parent)
{
    return new ScreenSaverServiceSource(bus, QStringLiteral("org.gnome.Shell.ScreenShield"),
                                        QStringLiteral("/org/gnome/ScreenSaver"),
                                        QStringLiteral("org.gnome.ScreenSaver"), parent);
}

QDBusMessage ScreenSaverServiceSource::question() const
{
    return QDBusMessage::createMethodCall(service(), path(), m_interface,
                                          QStringLiteral("GetActive"));
}

// Only a real boolean counts: anything else is no answer.
static bool saysActive(const QDBusMessage& message)
{
    return message.signature() == QLatin1String("b") && message.arguments().value(0).toBool();
}

bool ScreenSaverServiceSource::activeIn(const QDBusMessage& reply) const
{
    return saysActive(reply);
}

void ScreenSaverServiceSource::signalled(const QDBusMessage& message)
{
    setActive(saysActive(message));
}
