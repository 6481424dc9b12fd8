// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

// Whether one of the user's processes holds a video device (video0, video1, …)
// open, as a browser does with the camera it shows. inotify tells of each
// open and close of the device nodes, and /proc of who holds them then;
// nothing is polled. Devices the user may not read cannot be watched.
//
// A program that opens and closes a device in a loop must not cost a core:
// events are read at most once a second while they keep coming (the first
// after a quiet spell at once), and /proc is looked through only when what
// happened may have changed the answer. A close while held first asks the
// holders found last time, which is cheap. When the kernel's queue of events
// overflowed, the folder is listed again, as a camera plugged in then sent
// no event that arrived.
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
    void watchDevices();
    void watchDevice(const QString& name);
    void readEvents();
    void checkLater();
    void check();

    QString m_folder;
    int m_inotify = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_checkTimer;
    QElapsedTimer m_sinceCheck;
    QHash<int, QByteArray> m_devices; // watch descriptor to device path
    QList<QByteArray> m_holders;      // the /proc fd links that held one, at the last look
    bool m_held = false;
    bool m_opened = false;   // since the last check
    bool m_closed = false;   // since the last check
    bool m_overflow = false; // since the last check
};
