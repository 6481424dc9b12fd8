// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/BusInBackground.h"

#include <QCoreApplication>
#include <QDBusError>
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

namespace
{

void askTrayHost(const QDBusConnection& bus, QObject* context,
                 const std::function<void()>& answered, int withinMs)
{
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusMessage question = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    question.setArguments({watcher, QStringLiteral("IsStatusNotifierHostRegistered")});
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(question, withinMs), context);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, context,
                     [bus, context, answered, withinMs, call] {
                         call->deleteLater();
                         const QDBusError::ErrorType error = call->error().type();
                         if (error == QDBusError::NoReply || error == QDBusError::Timeout)
                             askTrayHost(bus, context, answered, withinMs);
                         else
                             answered();
                     });
}

} // namespace

void BusInBackground::whenTrayHostAnswers(QObject* context, std::function<void()> answered,
                                          int withinMs)
{
    connect([] { return QDBusConnection::sessionBus(); }, context,
            [context, answered = std::move(answered), withinMs](const QDBusConnection& bus) {
                // No bus at all: Qt's own attempt has failed already and is not made again.
                if (!bus.isConnected())
                    answered();
                else
                    askTrayHost(bus, context, answered, withinMs);
            });
}
