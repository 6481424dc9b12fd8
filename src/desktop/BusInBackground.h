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

// Qt's check for a tray and its tray icon ask the desktop's tray host on the
// session bus and wait up to 25 s for each answer, on the window thread.
// This asks the host first, without waiting: calls answered() once the host
// (or the bus, saying there is none) has answered, or when there is no bus;
// silence is asked again every withinMs, as long as context lives.
void whenTrayHostAnswers(QObject* context, std::function<void()> answered, int withinMs = 5000);

} // namespace BusInBackground
