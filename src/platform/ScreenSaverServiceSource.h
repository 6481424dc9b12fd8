#pragma once

#include "platform/PauseSource.h"

#include <QDBusConnection>

class QDBusMessage;
class QDBusServiceWatcher;

// A screen saver service on the session bus (org.freedesktop.ScreenSaver,
// org.gnome.ScreenSaver): active while it says the screen saver or the lock
// is on. Asked with GetActive, then followed through ActiveChanged; a service
// that vanishes counts as clear, one that (re)appears is asked again.
class ScreenSaverServiceSource final : public PauseSource
{
    Q_OBJECT
public:
    ScreenSaverServiceSource(const QDBusConnection& bus, const QString& service,
                             const QString& path, const QString& interface,
                             QObject* parent = nullptr);
    ~ScreenSaverServiceSource() override;

    // org.freedesktop.ScreenSaver and org.gnome.ScreenSaver.
    static ScreenSaverServiceSource* freedesktop(const QDBusConnection& bus, QObject* parent);
    static ScreenSaverServiceSource* gnome(const QDBusConnection& bus, QObject* parent);

    void setWatching(bool watching) override;

private slots:
    void activeChangedSignal(const QDBusMessage& message);

private:
    void ask();

    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    QString m_interface;
    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    bool m_watching = false;
    // Replies to questions asked before the last stop or vanishing are stale.
    quint64 m_generation = 0;
};
