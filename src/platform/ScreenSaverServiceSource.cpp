#include "platform/ScreenSaverServiceSource.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>

ScreenSaverServiceSource::ScreenSaverServiceSource(const QDBusConnection& bus,
                                                   const QString& service, const QString& path,
                                                   const QString& interface, QObject* parent)
    : PauseSource(parent), m_bus(bus), m_service(service), m_path(path), m_interface(interface)
{
}

ScreenSaverServiceSource::~ScreenSaverServiceSource()
{
    setWatching(false);
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

void ScreenSaverServiceSource::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    ++m_generation;
    if (!watching) {
        m_bus.disconnect(m_service, m_path, m_interface, QStringLiteral("ActiveChanged"), this,
                         SLOT(activeChangedSignal(QDBusMessage)));
        delete m_serviceWatcher;
        m_serviceWatcher = nullptr;
        setActive(false);
        return;
    }
    m_serviceWatcher =
        new QDBusServiceWatcher(m_service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                ++m_generation;
                setActive(false);
                if (!newOwner.isEmpty())
                    ask();
            });
    m_bus.connect(m_service, m_path, m_interface, QStringLiteral("ActiveChanged"), this,
                  SLOT(activeChangedSignal(QDBusMessage)));
    ask();
}

void ScreenSaverServiceSource::ask()
{
    auto message =
        QDBusMessage::createMethodCall(m_service, m_path, m_interface, QStringLiteral("GetActive"));
    // Asking must not start a screen saver that is not running.
    message.setAutoStartService(false);
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, call, generation = m_generation] {
                call->deleteLater();
                if (generation != m_generation)
                    return;
                const QDBusMessage reply = call->reply();
                setActive(reply.type() == QDBusMessage::ReplyMessage &&
                          reply.signature() == QLatin1String("b") &&
                          reply.arguments().value(0).toBool());
            });
}

void ScreenSaverServiceSource::activeChangedSignal(const QDBusMessage& message)
{
    if (!m_watching)
        return;
    setActive(message.signature() == QLatin1String("b") && message.arguments().value(0).toBool());
}
