// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RequestNotice.h"
#include "core/Outcome.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <optional>

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
    Q_PROPERTY(QString CurrentSet READ currentSet)

public:
    static const QString ServiceName;
    static const QString ObjectPath;
    static const QString InterfaceName;

    // The error names of the replies to a request refused: a start without
    // pictures, too many adds waiting; and an add of which some file could
    // not be added.
    static const QString RefusedError;
    static const QString NotAddedError;
    // Start, Stop and Toggle asked for within this time settle on the last
    // state asked for: a burst of any length starts or stops the run at
    // most once.
    static constexpr int SettleMs = 100;

    // Every request is answered on the bus; what went wrong is also gathered
    // in one notice for the user.
    RemoteControl(Session& session, Dialogs& dialogs, QObject* parent = nullptr);
    ~RemoteControl() override;

    // Offers the interface on the session bus, connected off the window
    // thread, so a stalled bus never holds up the windows. The bus name is
    // the program's already: it tells a later launch that a copy runs.
    void publish();
    // Offers it on the connection given (tests hand in a private bus).
    void publishOn(const QDBusConnection& connection);

    bool isRunning() const;
    // Why the run waits, in words for scripts: "screen-locked", "in-call" ...
    QStringList pauseReasons() const;
    // When the next picture is due (ISO 8601, local time), or "" when none is.
    QString nextFlash() const;
    // The set whose pictures are flashed; empty: the whole list.
    QString currentSet() const;

public slots:
    void Start();
    void Stop();
    void Toggle();
    void PauseFor(int minutes);
    void Resume();
    void AddPictures(const QStringList& paths);
    void AddMessages(const QStringList& messages);
    void ChooseSet(const QString& name);

private:
    void wantRunning(bool running);
    void settle();
    void answer(const QDBusMessage& call, const Outcome& outcome);
    void added(const std::optional<QDBusMessage>& call, const PictureBatch::Summary& summary,
               int total);
    void announceChanges();
    QVariantMap properties() const;

    QPointer<Session> m_session;
    RequestNotice m_notice;
    QDBusConnection m_bus{QString()};
    std::optional<bool> m_wantsRunning; // until the burst settles
    QList<QDBusMessage> m_waitingForSettle;
    QTimer m_settleTimer;
    QVariantMap m_announced;
    bool m_published = false;
};
