// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>

#include <functional>

class QObject;

// Connecting to a bus is a blocking call, and a bus that takes the
// connection but never answers holds it for half a minute. These connect on
// a thread of their own and hand the outcome back on the window thread, so
// that a stalled bus never freezes a window.
namespace BusInBackground
{

// Calls done(connection) on context's thread, unless context has gone.
void connect(std::function<QDBusConnection()> connectToBus, QObject* context,
             std::function<void(const QDBusConnection&)> done);

// Where Qt itself asks the session bus and waits (the tray's check for a
// host), this asks first: calls safe() once the bus is known to be absent,
// or connected and answering within the time given; never otherwise.
void whenSessionBusIsSafe(QObject* context, std::function<void()> safe, int withinMs = 1000);

} // namespace BusInBackground
