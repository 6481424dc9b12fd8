// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

class QSocketNotifier;

// Whether one of the user's processes holds a video device (video0, video1, …)
// open, as a browser does with the camera it shows. inotify tells of each
// open and close of the device nodes, and /proc of who holds them then;
// nothing is polled. Devices the user may not read cannot be watched.
class VideoDeviceWatch final : public QObject
{
    Q_OBJECT
public:
    explicit VideoDeviceWatch(QString folder, QObject* parent = nullptr);
    ~VideoDeviceWatch() override;

    void setWatching(bool watching);
    bool isHeld() const { return m_held; }

signals:
    void heldChanged(bool held);

private:
    void watchDevice(const QString& name);
    void readEvents();
    void checkLater();
    void check();

    QString m_folder;
    int m_inotify = -1;
    QSocketNotifier* m_notifier = nullptr;
    QHash<int, QByteArray> m_devices; // watch descriptor to device path
    bool m_held = false;
    bool m_checkPending = false;
};
