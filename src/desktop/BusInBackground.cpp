// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/BusInBackground.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QPointer>
#include <QTimer>

#include <thread>

void BusInBackground::connect(std::function<QDBusConnection()> connectToBus, QObject* context,
                              std::function<void(const QDBusConnection&)> done)
{
    QPointer<QObject> guard(context);
    // Detached: a thread still waiting on a stalled bus must not hold up the
    // program's end.
    std::thread([connectToBus = std::move(connectToBus), guard, done = std::move(done)] {
        const QDBusConnection connection = connectToBus();
        if (QCoreApplication* application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application,
                [guard, done, connection] {
                    if (guard)
                        done(connection);
                },
                Qt::QueuedConnection);
    }).detach();
}

void BusInBackground::whenSessionBusIsSafe(QObject* context, std::function<void()> safe,
                                           int withinMs)
{
    connect([] { return QDBusConnection::sessionBus(); }, context,
            [context, safe = std::move(safe), withinMs](const QDBusConnection& bus) {
                // No bus at all: Qt's own attempt has failed already and is not made again.
                if (!bus.isConnected()) {
                    safe();
                    return;
                }
                const QDBusMessage question = QDBusMessage::createMethodCall(
                    QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                    QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
                auto* call =
                    new QDBusPendingCallWatcher(bus.asyncCall(question, withinMs), context);
                QObject::connect(call, &QDBusPendingCallWatcher::finished, context, [call, safe] {
                    call->deleteLater();
                    if (!call->isError())
                        safe();
                });
            });
}
