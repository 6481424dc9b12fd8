// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/VideoDeviceWatch.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSocketNotifier>
#include <array>
#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool isVideoDevice(const QString& name)
{
    return name.startsWith(QLatin1String("video"));
}

// Whether one of the user's processes has one of paths open.
bool heldByUser(const QSet<QByteArray>& paths)
{
    DIR* processes = opendir("/proc");
    if (!processes)
        return false;
    bool held = false;
    const uid_t user = getuid();
    while (dirent* process = readdir(processes)) {
        if (held || process->d_name[0] < '1' || process->d_name[0] > '9')
            continue;
        const QByteArray folder = QByteArray("/proc/") + process->d_name;
        struct stat info {
        };
        if (stat(folder.constData(), &info) != 0 || info.st_uid != user)
            continue;
        DIR* fds = opendir((folder + "/fd").constData());
        if (!fds)
            continue;
        while (dirent* fd = readdir(fds)) {
            std::array<char, 256> target{};
            const QByteArray link = folder + "/fd/" + fd->d_name;
            const ssize_t size = readlink(link.constData(), target.data(), target.size() - 1);
            if (size > 0 && paths.contains(QByteArray(target.data(), size))) {
                held = true;
                break;
            }
        }
        closedir(fds);
    }
    closedir(processes);
    return held;
}
} // namespace

VideoDeviceWatch::VideoDeviceWatch(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{
}

VideoDeviceWatch::~VideoDeviceWatch()
{
    setWatching(false);
}

void VideoDeviceWatch::setWatching(bool watching)
{
    if (watching == (m_inotify >= 0))
        return;
    if (!watching) {
        delete m_notifier;
        m_notifier = nullptr;
        close(m_inotify);
        m_inotify = -1;
        m_devices.clear();
        if (m_held) {
            m_held = false;
            emit heldChanged(false);
        }
        return;
    }
    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0)
        return;
    // Cameras plugged in later are watched from then on.
    inotify_add_watch(m_inotify, QFile::encodeName(m_folder).constData(), IN_CREATE);
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("video*")}, QDir::System | QDir::Files);
    for (const QString& name : names)
        watchDevice(name);
    m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &VideoDeviceWatch::readEvents);
    // A camera opened before the watch began sends no event.
    check();
}

void VideoDeviceWatch::watchDevice(const QString& name)
{
    // /proc names the device by its real path.
    const QByteArray path =
        QFile::encodeName(QFileInfo(m_folder + QLatin1Char('/') + name).canonicalFilePath());
    const int watch = inotify_add_watch(m_inotify, path.constData(), IN_OPEN | IN_CLOSE);
    if (watch >= 0)
        m_devices.insert(watch, path);
}

void VideoDeviceWatch::readEvents()
{
    alignas(inotify_event) std::array<char, 4096> buffer;
    ssize_t size;
    while ((size = read(m_inotify, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_IGNORED) {
                m_devices.remove(event->wd); // the device went away
            } else if (event->mask & IN_CREATE) {
                const QString name = QFile::decodeName(event->name);
                if (!isVideoDevice(name))
                    continue;
                watchDevice(name);
            } else if (!(event->mask & IN_Q_OVERFLOW) && !m_devices.contains(event->wd)) {
                continue; // the folder's other files; an overflow may hide ours
            }
            checkLater();
        }
    }
}

void VideoDeviceWatch::checkLater()
{
    // A burst of opens and closes costs one look at /proc.
    if (m_checkPending)
        return;
    m_checkPending = true;
    QMetaObject::invokeMethod(this, &VideoDeviceWatch::check, Qt::QueuedConnection);
}

void VideoDeviceWatch::check()
{
    m_checkPending = false;
    const QList<QByteArray> paths = m_devices.values();
    const bool held = !paths.isEmpty() && heldByUser(QSet<QByteArray>(paths.begin(), paths.end()));
    if (held == m_held)
        return;
    m_held = held;
    emit heldChanged(held);
}
