// SPDX-License-Identifier: GPL-3.0-or-later
// Locks and unlocks the screen under a running program, as a desktop's screen
// saver does, and watches its flash window from a second X client: times the
// lock signal to the flash window's unmap, the unlock signal to the next
// flash's map, and counts the program's CPU time while it stays paused.
//
// The screen saver is a fake org.freedesktop.ScreenSaver on the session bus
// in DBUS_SESSION_BUS_ADDRESS (a private dbus-daemon). Prints "ready" once
// the service is on the bus and the root window is watched. With --cast 1 a
// screen cast takes the lock's place: GNOME Shell's cast node made (through
// pw-cli) on the PipeWire of PIPEWIRE_RUNTIME_DIR, and removed to unlock.
//
// pause-observer --pid PID --locks N --interval MS [--idle S] [--size 353x249]
//                [--timeout S] [--cast 1]

#include "FakeBusService.h"

#include "ProcessClock.h"
#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace
{

const QString ScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
// The flash is left on the screen this long before the lock comes.
constexpr int LockAfterMapMs = 100;
// Paused this long before the unlock.
constexpr int UnlockAfterUnmapMs = 300;
// A lock the program has not answered by then counts as missed.
constexpr int MissedAfterMs = 2000;

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const size_t index = size_t(std::ceil(share * double(values.size()))) - 1;
    return values[std::min(index, values.size() - 1)];
}

struct Options {
    int pid = 0;
    int locks = 20;
    double interval = 2000;
    int idleSeconds = 60;
    int width = 353;
    int height = 249;
    int timeoutSeconds = 300;
    bool cast = false;
};

class PauseObserver : public QObject
{
public:
    PauseObserver(const Options& options, QString busAddress)
        : m_options(options), m_screenSaver(std::move(busAddress), ScreenSaver)
    {
        m_screenSaver.answer = [this](const QDBusMessage& call) -> std::optional<QVariantList> {
            if (call.member() == QLatin1String("GetActive") && call.path() == ScreenSaverPath)
                return QVariantList{m_locked};
            return std::nullopt;
        };
    }

    ~PauseObserver() override
    {
        m_castClient.kill();
        m_castClient.waitForFinished();
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    bool start()
    {
        if (!m_screenSaver.start()) {
            std::fprintf(stderr, "pause-observer: cannot own %s on the session bus\n",
                         qPrintable(ScreenSaver));
            return false;
        }
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "pause-observer: cannot connect to the X server\n");
            return false;
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_notifier =
            new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &PauseObserver::readEvents);
        QTimer::singleShot(m_options.timeoutSeconds * 1000, this, [this] { finish(); });
        if (m_options.cast)
            castScreen(false);
        std::printf("ready\n");
        std::fflush(stdout);
        return true;
    }

private:
    void readEvents()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const double at = now();
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->override_redirect && isFlashSize(map->window))
                    mapped(map->window, at);
            } else if (type == XCB_UNMAP_NOTIFY) {
                auto* unmap = reinterpret_cast<xcb_unmap_notify_event_t*>(event);
                if (m_window && unmap->window == m_window)
                    unmapped(at);
            }
            std::free(event);
        }
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "pause-observer: lost the X server\n");
            finish();
        }
    }

    bool isFlashSize(xcb_window_t window)
    {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        if (!geometry)
            return false;
        const bool match =
            geometry->width == m_options.width && geometry->height == m_options.height;
        std::free(geometry);
        return match;
    }

    void mapped(xcb_window_t window, double at)
    {
        m_window = window;
        if (m_unlockedAt > 0) {
            // A flash while locked is the worst fault of all.
            if (m_locked)
                ++m_flashesWhileLocked;
            else
                m_resumeErrors.push_back(at - m_unlockedAt - m_options.interval);
            m_unlockedAt = 0;
        }
        if (!m_locked)
            QTimer::singleShot(LockAfterMapMs, this, [this] { lock(); });
    }

    void unmapped(double at)
    {
        m_window = 0;
        if (!m_locked || m_lockedAt <= 0)
            return; // the flash ended by itself before the lock came
        m_lockLatencies.push_back(at - m_lockedAt);
        m_lockedAt = 0;
        std::printf("lock %zu: unmapped after %.2f ms\n", m_lockLatencies.size(),
                    m_lockLatencies.back());
        std::fflush(stdout);
        if (int(m_lockLatencies.size() + size_t(m_missed)) < m_options.locks)
            QTimer::singleShot(UnlockAfterUnmapMs, this, [this] { unlock(); });
        else
            QTimer::singleShot(1000, this, [this] { measureIdle(); });
    }

    void lock()
    {
        if (!m_window)
            return; // the flash ended first: wait for the next one
        const int attempt = int(m_lockLatencies.size()) + m_missed;
        sendActive(true);
        m_lockedAt = now();
        QTimer::singleShot(MissedAfterMs, this, [this, attempt] {
            if (m_lockedAt > 0 && int(m_lockLatencies.size()) + m_missed == attempt) {
                ++m_missed;
                std::printf("lock %d: the flash stayed on the screen\n", attempt + 1);
                m_lockedAt = 0;
                unlock();
            }
        });
    }

    void unlock()
    {
        sendActive(false);
        m_unlockedAt = now();
    }

    void sendActive(bool active)
    {
        m_locked = active;
        if (m_options.cast) {
            castScreen(active);
            return;
        }
        m_screenSaver.emitSignal(ScreenSaverPath, ScreenSaver, QStringLiteral("ActiveChanged"),
                                 {active});
    }

    // A client already connected makes the cast's node at once; the cast ends
    // with the client, and a fresh one waits for the next.
    void castScreen(bool on)
    {
        if (on) {
            m_castClient.write("create-node adapter { factory.name=support.null-audio-sink "
                               "node.name=gnome-shell media.name=meta-screen-cast-src "
                               "media.class=Stream/Output/Video }\n");
            return;
        }
        m_castClient.kill();
        m_castClient.waitForFinished();
        m_castClient.setStandardOutputFile(QProcess::nullDevice());
        m_castClient.start(QStringLiteral("pw-cli"), QStringList());
        m_castClient.waitForStarted();
    }

    void measureIdle()
    {
        const std::optional<long long> from = cpuTicks(m_options.pid);
        const double wallFrom = now();
        QTimer::singleShot(m_options.idleSeconds * 1000, this, [this, from, wallFrom] {
            const std::optional<long long> to = cpuTicks(m_options.pid);
            if (from && to) {
                m_idleTicks = *to - *from;
                m_idleSeconds = (now() - wallFrom) / 1000;
            }
            finish();
        });
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        report();
        const bool complete = int(m_lockLatencies.size()) == m_options.locks && m_missed == 0 &&
                              m_flashesWhileLocked == 0 && m_idleTicks >= 0;
        QCoreApplication::exit(complete ? 0 : 1);
    }

    void report() const
    {
        std::printf("%zu locks (%d missed), interval %.0f ms\n", m_lockLatencies.size(), m_missed,
                    m_options.interval);
        std::printf(
            "  lock signal to flash window unmapped: p50 %.2f ms, p95 %.2f ms, max %.2f ms\n",
            percentile(m_lockLatencies, 0.5), percentile(m_lockLatencies, 0.95),
            percentile(m_lockLatencies, 1.0));
        std::vector<double> absolute;
        for (double e : m_resumeErrors)
            absolute.push_back(std::fabs(e));
        std::printf("  unlock to next flash, error against one interval (%zu): median %+.2f ms, "
                    "p95 |%.2f| ms\n",
                    m_resumeErrors.size(), percentile(m_resumeErrors, 0.5),
                    percentile(absolute, 0.95));
        std::printf("  flashes mapped while locked: %d\n", m_flashesWhileLocked);
        if (m_idleTicks >= 0)
            std::printf("  CPU while paused: %lld ticks in %.1f s\n", m_idleTicks, m_idleSeconds);
        else
            std::printf("  CPU while paused: not measured\n");
        std::fflush(stdout);
    }

    Options m_options;
    FakeBusService m_screenSaver;
    QProcess m_castClient;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_window_t m_window = 0;
    QSocketNotifier* m_notifier = nullptr;
    bool m_locked = false;
    bool m_finished = false;
    double m_lockedAt = 0;
    double m_unlockedAt = 0;
    int m_missed = 0;
    int m_flashesWhileLocked = 0;
    std::vector<double> m_lockLatencies;
    std::vector<double> m_resumeErrors;
    long long m_idleTicks = -1;
    double m_idleSeconds = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--pid")
            options.pid = std::atoi(value);
        else if (name == "--locks")
            options.locks = std::max(1, std::atoi(value));
        else if (name == "--interval")
            options.interval = std::atof(value);
        else if (name == "--idle")
            options.idleSeconds = std::max(1, std::atoi(value));
        else if (name == "--timeout")
            options.timeoutSeconds = std::max(1, std::atoi(value));
        else if (name == "--cast")
            options.cast = std::atoi(value) != 0;
        else if (name == "--size")
            std::sscanf(value, "%dx%d", &options.width, &options.height);
        else {
            std::fprintf(stderr, "pause-observer: unknown option %s\n", name.constData());
            return 2;
        }
    }
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty() || !options.pid) {
        std::fprintf(stderr, "pause-observer: needs --pid and DBUS_SESSION_BUS_ADDRESS\n");
        return 2;
    }
    PauseObserver observer(options, address);
    if (!observer.start())
        return 2;
    return application.exec();
}
