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
// The least time between two looks at /proc while events keep coming.
constexpr int CheckEveryMs = 1000;

bool isVideoDevice(const QString& name)
{
    return name.startsWith(QLatin1String("video"));
}

bool leadsToOneOf(const QByteArray& link, const QSet<QByteArray>& paths)
{
    std::array<char, 256> target{};
    const ssize_t size = readlink(link.constData(), target.data(), target.size() - 1);
    return size > 0 && paths.contains(QByteArray(target.data(), size));
}

// The open files of the user's processes that are one of paths.
QList<QByteArray> holdersAmong(const QSet<QByteArray>& paths)
{
    QList<QByteArray> holders;
    DIR* processes = opendir("/proc");
    if (!processes)
        return holders;
    const uid_t user = getuid();
    while (dirent* process = readdir(processes)) {
        if (process->d_name[0] < '1' || process->d_name[0] > '9')
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
            const QByteArray link = folder + "/fd/" + fd->d_name;
            if (leadsToOneOf(link, paths))
                holders << link;
        }
        closedir(fds);
    }
    closedir(processes);
    return holders;
}
} // namespace

VideoDeviceWatch::VideoDeviceWatch(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{
    m_checkTimer.setSingleShot(true);
    connect(&m_checkTimer, &QTimer::timeout, this, &VideoDeviceWatch::check);
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
        m_checkTimer.stop();
        delete m_notifier;
        m_notifier = nullptr;
        close(m_inotify);
        m_inotify = -1;
        m_devices.clear();
        m_holders.clear();
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
    watchDevices();
    m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &VideoDeviceWatch::readEvents);
    // A camera opened before the watch began sends no event.
    m_overflow = true;
    check();
}

void VideoDeviceWatch::watchDevices()
{
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("video*")}, QDir::System | QDir::Files);
    for (const QString& name : names)
        watchDevice(name);
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
    bool ours = false;
    while ((size = read(m_inotify, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                m_overflow = true;
            } else if (event->mask & IN_IGNORED) {
                m_devices.remove(event->wd); // the device went away
                m_closed = true;
            } else if (event->mask & IN_CREATE) {
                const QString name = QFile::decodeName(event->name);
                if (!isVideoDevice(name))
                    continue; // the folder's other files
                watchDevice(name);
                m_opened = true; // may be open already
            } else if (m_devices.contains(event->wd)) {
                m_opened = m_opened || (event->mask & IN_OPEN);
                m_closed = m_closed || (event->mask & IN_CLOSE);
            } else {
                continue;
            }
            ours = true;
        }
    }
    if (ours)
        checkLater();
}

void VideoDeviceWatch::checkLater()
{
    if (m_checkTimer.isActive())
        return;
    // Until then the kernel keeps the events (and drops them past its limit,
    // telling so): nothing here wakes for each of a loop's.
    m_notifier->setEnabled(false);
    const qint64 since = m_sinceCheck.isValid() ? m_sinceCheck.elapsed() : CheckEveryMs;
    m_checkTimer.start(int(qMax<qint64>(0, CheckEveryMs - since)));
}

void VideoDeviceWatch::check()
{
    readEvents(); // what came while the notifier slept
    m_checkTimer.stop();
    if (m_overflow)
        watchDevices();
    const QList<QByteArray> paths = m_devices.values();
    const QSet<QByteArray> devices(paths.cbegin(), paths.cend());
    // Nothing that could change the answer happened: a device opened while
    // held, or closed while not.
    const bool mayHaveChanged = m_overflow || (m_held ? m_closed : m_opened);
    if (mayHaveChanged && m_held && !m_overflow)
        m_holders.removeIf([&](const QByteArray& link) { return !leadsToOneOf(link, devices); });
    if (mayHaveChanged && (!m_held || m_overflow || m_holders.isEmpty()))
        m_holders = devices.isEmpty() ? QList<QByteArray>() : holdersAmong(devices);
    m_opened = m_closed = m_overflow = false;
    m_sinceCheck.start();
    if (m_notifier)
        m_notifier->setEnabled(true);

    const bool held = !m_holders.isEmpty();
    if (held == m_held)
        return;
    m_held = held;
    emit heldChanged(held);
}
