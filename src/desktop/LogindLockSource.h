// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

#include <QDBusConnection>

class DBusPropertySource;
class QDBusServiceWatcher;

// The login session's LockedHint from logind (system bus): the session named
// by XDG_SESSION_ID, else the session of this process.
class LogindLockSource final : public PauseSource
{
    Q_OBJECT
public:
    explicit LogindLockSource(const QDBusConnection& systemBus, QObject* parent = nullptr);
    ~LogindLockSource() override;

    void setWatching(bool watching) override;

private:
    void findSession();
    void follow(const QString& sessionPath);
    void forgetSession();

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    DBusPropertySource* m_lockedHint = nullptr;
    bool m_watching = false;
    quint64 m_generation = 0;
};
