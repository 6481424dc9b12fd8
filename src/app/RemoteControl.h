// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Outcome.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

#include <functional>

class Dialogs;
class Session;

// The running program's commands on the session bus, under its application
// id: what a second launch with --start, --stop, --pause-for ... hands over,
// and what scripts may call and watch. The interface is the one in
// example.zorvik.SubliminalImages.xml, offered through the adaptor made from
// it; the D-Bus names are the interface's own, hence the capitals.
class RemoteControl final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_PROPERTY(bool Running READ isRunning)
    Q_PROPERTY(QStringList PauseReasons READ pauseReasons)
    Q_PROPERTY(QString NextFlash READ nextFlash)

public:
    static const QString ServiceName;
    static const QString ObjectPath;
    static const QString InterfaceName;

    // Refusals of Start and of an add are shown with dialogs, as a click's are.
    RemoteControl(Session& session, Dialogs& dialogs, QObject* parent = nullptr);
    ~RemoteControl() override;

    // Offers the interface on the session bus, connected off the window
    // thread, so a stalled bus never holds up the windows. The bus name is
    // the program's already: it tells a later launch that a copy runs.
    void publish();

    bool isRunning() const;
    // Why the run waits, in words for scripts: "screen-locked", "in-call" ...
    QStringList pauseReasons() const;
    // When the next picture is due (ISO 8601, local time), or "" when none is.
    QString nextFlash() const;

public slots:
    void Start();
    void Stop();
    void Toggle();
    void PauseFor(int minutes);
    void Resume();
    void AddPictures(const QStringList& paths);

private:
    // Start and Stop may show a message, and adding may ask about a file:
    // they run once the caller has its answer, so that a key binding never
    // waits on a dialog, and in the order they came.
    void later(const std::function<Outcome()>& request);
    void announceChanges();
    QVariantMap properties() const;

    void publishOn(const QDBusConnection& connection);

    QPointer<Session> m_session;
    Dialogs& m_dialogs;
    QDBusConnection m_bus{QString()};
    QVariantMap m_announced;
    bool m_published = false;
};
