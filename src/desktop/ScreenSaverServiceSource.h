// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/BusServiceSource.h"

// A screen saver service on the session bus (org.freedesktop.ScreenSaver,
// org.gnome.ScreenSaver, GNOME Shell's screen shield): active while it says
// the screen saver or the lock is on. Asked with GetActive, then followed
// through ActiveChanged.
class ScreenSaverServiceSource final : public BusServiceSource
{
    Q_OBJECT
public:
    ScreenSaverServiceSource(const QDBusConnection& bus, const QString& service,
                             const QString& path, const QString& interface,
                             QObject* parent = nullptr);

    // org.freedesktop.ScreenSaver and org.gnome.ScreenSaver.
    static ScreenSaverServiceSource* freedesktop(const QDBusConnection& bus, QObject* parent);
    static ScreenSaverServiceSource* gnome(const QDBusConnection& bus, QObject* parent);
    // GNOME Shell serves its lock under a name of its own; org.gnome.ScreenSaver
    // is then a helper started only on demand, which nobody may have started.
    static ScreenSaverServiceSource* gnomeShell(const QDBusConnection& bus, QObject* parent);

private:
    QDBusMessage question() const override;
    bool activeIn(const QDBusMessage& reply) const override;
    void signalled(const QDBusMessage& message) override;

    QString m_interface;
};
