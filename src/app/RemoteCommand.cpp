// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteCommand.h"

#include "app/RemoteControl.h"

#include "RunningProgram.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace
{

// Long enough for a busy program, short enough that a key binding never
// leaves a process behind for long.
constexpr int ReplyTimeoutMs = 10'000;
// An add is answered once its pictures are in, which for a large folder
// takes a while.
constexpr int AddReplyTimeoutMs = 10 * 60'000;

QDBusPendingReply<> callFor(RunningProgram& program, RemoteCommand::Kind kind, int minutes)
{
    switch (kind) {
    case RemoteCommand::Kind::Start:
        return program.Start();
    case RemoteCommand::Kind::Stop:
        return program.Stop();
    case RemoteCommand::Kind::Toggle:
        return program.Toggle();
    case RemoteCommand::Kind::PauseFor:
        return program.PauseFor(minutes);
    case RemoteCommand::Kind::Resume:
        return program.Resume();
    case RemoteCommand::Kind::None:
        break;
    }
    return {};
}

// The copy that holds the name but has not yet offered its commands is
// starting: it is asked again until it answers or the time is up.
bool isStarting(const QDBusError& error)
{
    return error.type() == QDBusError::UnknownObject ||
           error.type() == QDBusError::UnknownInterface ||
           error.type() == QDBusError::UnknownMethod;
}

} // namespace

RemoteCommand::Delivery RemoteCommand::send(QString& error) const
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Delivery::NotRunning;
    RunningProgram program(RemoteControl::ServiceName, RemoteControl::ObjectPath, bus);
    QList<std::function<QDBusPendingReply<>()>> calls;
    if (!pictures.isEmpty())
        calls << [&] {
            program.setTimeout(AddReplyTimeoutMs);
            return program.AddPictures(pictures);
        };
    if (!messages.isEmpty())
        calls << [&] {
            program.setTimeout(ReplyTimeoutMs);
            return program.AddMessages(messages);
        };
    if (set)
        calls << [&] {
            program.setTimeout(ReplyTimeoutMs);
            return program.ChooseSet(*set);
        };
    if (kind != Kind::None)
        calls << [&] {
            program.setTimeout(ReplyTimeoutMs);
            return callFor(program, kind, minutes);
        };

    const QDeadlineTimer deadline(ReplyTimeoutMs);
    for (const auto& call : std::as_const(calls)) {
        QDBusPendingReply<> reply = call();
        reply.waitForFinished();
        while (reply.isError() && isStarting(reply.error()) && !deadline.hasExpired()) {
            QThread::msleep(100);
            reply = call();
            reply.waitForFinished();
        }
        if (!reply.isError())
            continue;
        const QDBusError failure = reply.error();
        if (failure.type() == QDBusError::ServiceUnknown ||
            failure.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            return Delivery::NotRunning;
        error = failure.type() == QDBusError::NoReply || failure.type() == QDBusError::Timeout
                    ? tr("The running program did not answer.")
                    : failure.message();
        return Delivery::Failed;
    }
    return Delivery::Delivered;
}
