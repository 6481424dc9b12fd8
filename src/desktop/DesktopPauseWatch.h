// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PauseWatch.h"

#include <QList>
#include <utility>

class PauseSource;

// The desktop's own pause sources: logind's LockedHint, the screen saver
// services on the session bus and the X server's screen saver (ScreenLocked);
// the active X11 window being fullscreen (FullscreenWindow); the notification
// server's Inhibited property and GNOME's show-banners (DoNotDisturb); a
// desktop's screen cast in PipeWire (ScreenShared); a microphone recorded or a
// camera in use (InCall). Every source is optional: one that is missing or
// fails counts as clear.
class DesktopPauseWatch final : public PauseWatch
{
    Q_OBJECT
public:
    // Where the two buses are; empty: the desktop's own session and system bus.
    struct Buses {
        QString sessionAddress;
        QString systemAddress;
    };

    explicit DesktopPauseWatch(QObject* parent = nullptr);
    explicit DesktopPauseWatch(Buses buses, QObject* parent = nullptr);
    ~DesktopPauseWatch() override;

    PauseReasons reasons() const override;
    void setWatching(bool watching) override;
    bool isWatching() const { return m_watching; }

private:
    void createSources();
    void add(PauseReason reason, PauseSource* source);
    PauseReasons current() const;
    void publishLater();
    void publish();

    Buses m_buses;
    QStringList m_connectionNames; // the private bus connections we opened
    QList<std::pair<PauseReason, PauseSource*>> m_sources;
    bool m_created = false;
    bool m_watching = false;
    bool m_publishPending = false;
    PauseReasons m_published;
};
