// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QList>
#include <functional>
#include <optional>

// A service on a bus, written in the test: it owns a well-known name on a
// connection of its own and answers every method call below "/" through
// answer(). It can hold its replies back (a slow service), vanish and come
// back (a restart), and send signals.
class FakeBusService final : public QDBusVirtualObject
{
    Q_OBJECT
public:
    FakeBusService(QString address, QString service);
    ~FakeBusService() override;

    // Connects and takes the name; false when the bus refused.
    bool start();
    // Drops the connection, so the name vanishes from the bus.
    void stop();

    void emitSignal(const QString& path, const QString& interface, const QString& name,
                    const QVariantList& arguments);
    // Sends PropertiesChanged for one property, or invalidates it when value is invalid.
    void emitPropertyChanged(const QString& path, const QString& interface, const QString& property,
                             const QVariant& value);

    // The reply's arguments for a call; an error reply when it gives nothing.
    std::function<std::optional<QVariantList>(const QDBusMessage& call)> answer;
    bool holdReplies = false;
    // Answers the calls held back, with these arguments.
    void releaseHeld(const QVariantList& arguments);

    QList<QDBusMessage> calls;
    // The service's own connection, to call others from.
    QDBusConnection connection() const { return QDBusConnection(m_connectionName); }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QString m_address;
    QString m_service;
    QString m_connectionName;
    QList<QDBusMessage> m_held;
};
