// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

#include <QDBusConnection>
#include <QDBusContext>

#include <memory>

class QDBusServiceWatcher;
class QTemporaryFile;

// Active while KWin says its active window is fullscreen, Wayland windows
// included, which no X11 property shows. KWin runs a small script of ours that
// calls back whenever the active window or its fullscreen state changes, so
// nothing is polled. Without KWin it stays clear; only KWin's own calls count.
class KWinFullscreenSource final : public PauseSource, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.zorvik.SubliminalImages.KWinFullscreen")
public:
    explicit KWinFullscreenSource(const QDBusConnection& bus, QObject* parent = nullptr);
    ~KWinFullscreenSource() override;

    void setWatching(bool watching) override;

    // The script that calls an object at path on the bus name service.
    static QString script(const QString& service, const QString& path);

public slots:
    // Called by the script.
    Q_SCRIPTABLE void activeWindowFullscreen(bool fullscreen);

private:
    void kwinOwnerChanged(const QString& owner);
    void loadScript();
    void unloadScript();

    QDBusConnection m_bus;
    QString m_objectPath;
    QString m_pluginName;
    QString m_kwinOwner;
    QDBusServiceWatcher* m_kwinWatcher = nullptr;
    std::unique_ptr<QTemporaryFile> m_scriptFile;
    bool m_watching = false;
    quint64 m_generation = 0;
};
