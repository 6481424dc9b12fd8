// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteCommand.h"

#include "app/RemoteControl.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

namespace
{

// Long enough for a busy program, short enough that a key binding never
// leaves a process behind for long.
constexpr int ReplyTimeoutMs = 10'000;

QString methodOf(RemoteCommand::Kind kind)
{
    switch (kind) {
    case RemoteCommand::Kind::Start:
        return QStringLiteral("Start");
    case RemoteCommand::Kind::Stop:
        return QStringLiteral("Stop");
    case RemoteCommand::Kind::Toggle:
        return QStringLiteral("Toggle");
    case RemoteCommand::Kind::PauseFor:
        return QStringLiteral("PauseFor");
    case RemoteCommand::Kind::Resume:
        return QStringLiteral("Resume");
    case RemoteCommand::Kind::None:
        break;
    }
    return {};
}

} // namespace

RemoteCommand::Delivery RemoteCommand::send(QString& error) const
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Delivery::NotRunning;
    QList<QDBusMessage> calls;
    const auto call = [](const QString& method, const QVariantList& arguments) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(RemoteControl::ServiceName, RemoteControl::ObjectPath,
                                           RemoteControl::InterfaceName, method);
        message.setArguments(arguments);
        // Nothing on the bus may start a program on the user's behalf.
        message.setAutoStartService(false);
        return message;
    };
    if (!pictures.isEmpty())
        calls << call(QStringLiteral("AddPictures"), {pictures});
    if (kind == Kind::PauseFor)
        calls << call(methodOf(kind), {minutes});
    else if (kind != Kind::None)
        calls << call(methodOf(kind), {});

    for (const QDBusMessage& message : std::as_const(calls)) {
        const QDBusMessage reply = bus.call(message, QDBus::Block, ReplyTimeoutMs);
        if (reply.type() != QDBusMessage::ErrorMessage)
            continue;
        const QDBusError::ErrorType type = QDBusError(reply).type();
        if (type == QDBusError::ServiceUnknown ||
            reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            return Delivery::NotRunning;
        error = type == QDBusError::NoReply || type == QDBusError::Timeout
                    ? tr("The running program did not answer.")
                    : reply.errorMessage();
        return Delivery::Failed;
    }
    return Delivery::Delivered;
}
