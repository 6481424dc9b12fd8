#pragma once

#include "platform/PauseSource.h"

#include <QDBusConnection>

class QDBusMessage;
class QDBusServiceWatcher;

// Active while a boolean D-Bus property is true: asked with Properties.Get,
// then followed through PropertiesChanged. A service that is missing or
// vanishes counts as clear; one that (re)appears is asked again.
class DBusPropertySource final : public PauseSource
{
    Q_OBJECT
public:
    DBusPropertySource(const QDBusConnection& bus, const QString& service, const QString& path,
                       const QString& interface, const QString& property,
                       QObject* parent = nullptr);
    ~DBusPropertySource() override;

    void setWatching(bool watching) override;

private slots:
    void propertiesChanged(const QDBusMessage& message);

private:
    void ask();
    void serviceOwnerChanged(const QString& newOwner);

    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    QString m_interface;
    QString m_property;
    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    bool m_watching = false;
    // Replies to questions asked before the last stop or vanishing are stale.
    quint64 m_generation = 0;
};
