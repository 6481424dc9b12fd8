// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

#include <QDBusConnection>
#include <QDBusMessage>

class QDBusServiceWatcher;

// A pause source that follows one D-Bus service: it asks the service when
// watching begins and whenever the service (re)appears, follows one of its
// signals, and counts as clear while the service is missing. Nothing is ever
// waited for, and asking never starts a service. Replies to questions asked
// before the last stop or vanishing are stale and dropped.
class BusServiceSource : public PauseSource
{
    Q_OBJECT
public:
    ~BusServiceSource() override;

    void setWatching(bool watching) final;

protected:
    BusServiceSource(const QDBusConnection& bus, const QString& service, const QString& path,
                     const QString& signalInterface, const QString& signalName, QObject* parent);

    const QString& service() const { return m_service; }
    const QString& path() const { return m_path; }
    bool isWatching() const { return m_watching; }

    // The question whose reply says whether the source is active.
    virtual QDBusMessage question() const = 0;
    // Whether a successful reply to the question means active.
    virtual bool activeIn(const QDBusMessage& reply) const = 0;
    // The followed signal arrived while watching.
    virtual void signalled(const QDBusMessage& message) = 0;
    void ask();

private slots:
    void busSignal(const QDBusMessage& message);

private:
    void serviceOwnerChanged(const QString& newOwner);

    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    QString m_signalInterface;
    QString m_signalName;
    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    bool m_watching = false;
    quint64 m_generation = 0;
};
