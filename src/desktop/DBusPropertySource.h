// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/BusServiceSource.h"

// Active while a boolean D-Bus property is true: asked with Properties.Get,
// then followed through PropertiesChanged.
class DBusPropertySource final : public BusServiceSource
{
    Q_OBJECT
public:
    DBusPropertySource(const QDBusConnection& bus, const QString& service, const QString& path,
                       const QString& interface, const QString& property,
                       QObject* parent = nullptr);

private:
    QDBusMessage question() const override;
    bool activeIn(const QDBusMessage& reply) const override;
    void signalled(const QDBusMessage& message) override;

    QString m_interface;
    QString m_property;
};
