// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopPauseWatch.h"

#include "desktop/BusInBackground.h"
#include "desktop/CallSource.h"
#include "desktop/DBusPropertySource.h"
#include "desktop/FullscreenWindowSource.h"
#include "desktop/GnomeBannersSource.h"
#include "desktop/KWinFullscreenSource.h"
#include "desktop/LogindLockSource.h"
#include "desktop/PipeWireGraph.h"
#include "desktop/ScreenCastSource.h"
#include "desktop/ScreenSaverServiceSource.h"
#include "desktop/X11ScreenSaverSource.h"

#include <QDBusConnection>

namespace
{
// Connection names are per process; each watch needs its own.
QString uniqueConnectionName(const QString& bus)
{
    static int count = 0;
    return QStringLiteral("zorvik-pause-%1-%2").arg(bus).arg(++count);
}
} // namespace

DesktopPauseWatch::DesktopPauseWatch(QObject* parent) : DesktopPauseWatch(Buses{}, parent) {}

DesktopPauseWatch::DesktopPauseWatch(Buses buses, QObject* parent)
    : PauseWatch(parent), m_buses(std::move(buses))
{
}

DesktopPauseWatch::~DesktopPauseWatch()
{
    for (const auto& [reason, source] : std::as_const(m_sources))
        delete source;
    for (const QString& name : std::as_const(m_connectionNames))
        QDBusConnection::disconnectFromBus(name);
}

PauseReasons DesktopPauseWatch::reasons() const
{
    if (!m_watching)
        return {};
    // A signal may not have arrived yet: the X11 sources can be asked at once.
    for (const auto& [reason, source] : m_sources)
        source->recheck();
    return current();
}

void DesktopPauseWatch::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    // The buses are connected only once a run first wants them.
    if (watching && !m_created)
        createSources();
    for (const auto& [reason, source] : std::as_const(m_sources))
        source->setWatching(watching);
    publishLater();
}

void DesktopPauseWatch::createSources()
{
    m_created = true;
    // The buses are connected off the window thread; their sources join once
    // connected, and a bus that never answers leaves its reasons clear.
    auto connectTo = [this](const QString& address, QDBusConnection::BusType type,
                            const QString& bus, auto addSources) {
        QString name;
        if (!address.isEmpty()) {
            name = uniqueConnectionName(bus);
            m_connectionNames << name;
        }
        BusInBackground::connect(
            [address, type, name] {
                if (address.isEmpty())
                    return type == QDBusConnection::SessionBus ? QDBusConnection::sessionBus()
                                                               : QDBusConnection::systemBus();
                return QDBusConnection::connectToBus(address, name);
            },
            this,
            [this, addSources](const QDBusConnection& connection) {
                if (!connection.isConnected())
                    return;
                const qsizetype before = m_sources.size();
                addSources(connection);
                for (qsizetype i = before; i < m_sources.size(); ++i)
                    m_sources.at(i).second->setWatching(m_watching);
                publishLater();
            });
    };
    connectTo(m_buses.systemAddress, QDBusConnection::SystemBus, QStringLiteral("system"),
              [this](const QDBusConnection& system) {
                  add(PauseReason::ScreenLocked, new LogindLockSource(system));
              });
    connectTo(
        m_buses.sessionAddress, QDBusConnection::SessionBus, QStringLiteral("session"),
        [this](const QDBusConnection& session) {
            add(PauseReason::ScreenLocked, ScreenSaverServiceSource::freedesktop(session, nullptr));
            add(PauseReason::ScreenLocked, ScreenSaverServiceSource::gnome(session, nullptr));
            add(PauseReason::ScreenLocked, ScreenSaverServiceSource::gnomeShell(session, nullptr));
            add(PauseReason::DoNotDisturb,
                new DBusPropertySource(session, QStringLiteral("org.freedesktop.Notifications"),
                                       QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"),
                                       QStringLiteral("Inhibited")));
            add(PauseReason::FullscreenWindow, new KWinFullscreenSource(session));
        });
    add(PauseReason::ScreenLocked, new X11ScreenSaverSource);
    add(PauseReason::FullscreenWindow, new FullscreenWindowSource);
    add(PauseReason::DoNotDisturb, new GnomeBannersSource);
    // One PipeWire connection serves both.
    auto* pipeWire = new PipeWireGraph(this);
    add(PauseReason::ScreenShared, new ScreenCastSource(*pipeWire));
    add(PauseReason::InCall, new CallSource(*pipeWire));
}

void DesktopPauseWatch::add(PauseReason reason, PauseSource* source)
{
    source->setParent(this);
    m_sources.append({reason, source});
    connect(source, &PauseSource::activeChanged, this, &DesktopPauseWatch::publishLater);
}

PauseReasons DesktopPauseWatch::current() const
{
    PauseReasons reasons;
    if (!m_watching)
        return reasons;
    for (const auto& [reason, source] : m_sources)
        if (source->isActive())
            reasons |= reason;
    return reasons;
}

void DesktopPauseWatch::publishLater()
{
    // Sources change also inside reasons(); the signal never comes from in there.
    if (m_publishPending)
        return;
    m_publishPending = true;
    QMetaObject::invokeMethod(this, &DesktopPauseWatch::publish, Qt::QueuedConnection);
}

void DesktopPauseWatch::publish()
{
    m_publishPending = false;
    const PauseReasons now = current();
    if (now == m_published)
        return;
    m_published = now;
    emit reasonsChanged(now);
}
