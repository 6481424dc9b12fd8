// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BusNameInstanceIndicator.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace
{

// A bus that took the connection answers this at once; one that does not
// has been set aside at start.
constexpr int AnswerTimeoutMs = 5000;

// RequestName's flag and answers, as the D-Bus protocol defines them.
constexpr uint DoNotQueue = 0x4; // a second owner is refused, not queued
constexpr uint PrimaryOwner = 1;
constexpr uint AlreadyOwner = 4;

} // namespace

BusNameInstanceIndicator::BusNameInstanceIndicator(QString busName, const QString& applicationName)
    : m_busName(std::move(busName)), m_withoutBus(applicationName)
{
}

bool BusNameInstanceIndicator::anotherInstanceRunning()
{
    if (m_checked)
        return m_another;
    m_checked = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage request = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
        request.setArguments({m_busName, DoNotQueue});
        const QDBusMessage reply = bus.call(request, QDBus::Block, AnswerTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            const uint answer = reply.arguments().value(0).toUInt();
            m_another = answer != PrimaryOwner && answer != AlreadyOwner;
            return m_another;
        }
    }
    m_another = m_withoutBus.anotherInstanceRunning();
    return m_another;
}
