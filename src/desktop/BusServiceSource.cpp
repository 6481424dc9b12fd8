// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/BusServiceSource.h"

#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>

BusServiceSource::BusServiceSource(const QDBusConnection& bus, const QString& service,
                                   const QString& path, const QString& signalInterface,
                                   const QString& signalName, QObject* parent)
    : PauseSource(parent), m_bus(bus), m_service(service), m_path(path),
      m_signalInterface(signalInterface), m_signalName(signalName)
{
}

BusServiceSource::~BusServiceSource()
{
    setWatching(false);
}

void BusServiceSource::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    ++m_generation;
    if (!watching) {
        m_bus.disconnect(m_service, m_path, m_signalInterface, m_signalName, this,
                         SLOT(busSignal(QDBusMessage)));
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
    m_bus.connect(m_service, m_path, m_signalInterface, m_signalName, this,
                  SLOT(busSignal(QDBusMessage)));
    ask();
}

void BusServiceSource::ask()
{
    QDBusMessage message = question();
    // Asking must not start a service that is not running.
    message.setAutoStartService(false);
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, call, generation = m_generation] {
                call->deleteLater();
                if (generation != m_generation)
                    return;
                const QDBusMessage reply = call->reply();
                setActive(reply.type() == QDBusMessage::ReplyMessage && activeIn(reply));
            });
}

void BusServiceSource::serviceOwnerChanged(const QString& newOwner)
{
    ++m_generation;
    setActive(false);
    if (!newOwner.isEmpty())
        ask();
}

void BusServiceSource::busSignal(const QDBusMessage& message)
{
    if (m_watching)
        signalled(message);
}
