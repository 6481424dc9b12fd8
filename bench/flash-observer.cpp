// SPDX-License-Identifier: GPL-3.0-or-later
// Watches the flash window from outside the program, as a second X client:
// times the map, the moment the picture is really on the screen (a pixel of
// the expected colour read back from the screen) and the unmap of every
// override-redirect top-level window of the flash window's size, and samples
// the program's CPU time while it waits between flashes.
//
// flash-observer --flashes N --duration MS --interval MS --pid PID
//                [--size 353x249] [--colour ff0000] [--timeout S] [--start-window ID]
//
// With --start-window (the main window, which minimises at Start), Start is
// marked by the first override-redirect window made after it (the flash
// window the program makes ahead as a run starts) or else by that window's
// unmap, and the first picture's error against one interval from there is
// reported too. The first picture's time on the wall clock is always reported,
// for a script to set against the time the program said it was due.

#include "ProcessClock.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

struct Options {
    int flashes = 10;
    double duration = 20;
    double interval = 2000;
    int pid = 0;
    int width = 353;
    int height = 249;
    uint32_t colour = 0xff0000;
    double timeout = 120;
    uint32_t startWindow = 0;
};

struct Flash {
    double mapped = 0;
    double visible = -1;
    double unmapped = 0;
};

struct Summary {
    double median = 0;
    double p95 = 0; // of the absolute errors
};

Summary summarise(std::vector<double> errors)
{
    Summary s;
    if (errors.empty())
        return s;
    std::sort(errors.begin(), errors.end());
    s.median = errors[errors.size() / 2];
    std::vector<double> absolute;
    for (double e : errors)
        absolute.push_back(std::fabs(e));
    std::sort(absolute.begin(), absolute.end());
    const size_t index = size_t(std::ceil(0.95 * double(absolute.size()))) - 1;
    s.p95 = absolute[std::min(index, absolute.size() - 1)];
    return s;
}

class Observer
{
public:
    explicit Observer(const Options& options) : m_options(options) {}

    int run()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "flash-observer: cannot connect to the X server\n");
            return 2;
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        if (m_options.startWindow) {
            const uint32_t own = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(m_connection, m_options.startWindow, XCB_CW_EVENT_MASK,
                                         &own);
        }
        xcb_flush(m_connection);
        std::printf("ready\n");
        std::fflush(stdout);

        const double end = now() + m_options.timeout * 1000;
        while (int(m_flashes.size()) < m_options.flashes && now() < end) {
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, waitMs());
            sampleCpu();
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                handle(event);
                std::free(event);
            }
            if (xcb_connection_has_error(m_connection))
                return 2;
        }
        report();
        xcb_disconnect(m_connection);
        return m_flashes.size() == size_t(m_options.flashes) ? 0 : 1;
    }

private:
    int waitMs() const
    {
        double next = 100;
        for (double at : {m_cpuFrom, m_cpuTo})
            if (at > 0)
                next = std::min(next, std::max(0.0, at - now()));
        return int(next) + 1;
    }

    void handle(xcb_generic_event_t* event)
    {
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (m_options.startWindow && m_startedAt == 0 && create->override_redirect)
                m_startedAt = now();
            break;
        }
        case XCB_MAP_NOTIFY: {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const double at = now();
            if (map->override_redirect && isFlashSize(map->window))
                flashMapped(map->window, at);
            break;
        }
        case XCB_UNMAP_NOTIFY: {
            auto* unmap = reinterpret_cast<xcb_unmap_notify_event_t*>(event);
            if (unmap->window == m_options.startWindow && m_startedAt == 0)
                m_startedAt = now();
            if (m_window && unmap->window == m_window)
                flashUnmapped(now());
            break;
        }
        default:
            break;
        }
    }

    bool isFlashSize(xcb_window_t window)
    {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        if (!geometry)
            return false;
        // --size any (0 x 0): a window of any size, as a message's is.
        const bool match =
            (m_options.width == 0 && m_options.height == 0) ||
            (geometry->width == m_options.width && geometry->height == m_options.height);
        m_x = geometry->x;
        m_y = geometry->y;
        m_width = geometry->width;
        m_height = geometry->height;
        std::free(geometry);
        return match;
    }

    void flashMapped(xcb_window_t window, double at)
    {
        if (m_window) // the previous one never unmapped: count it as ended now
            flashUnmapped(at);
        m_window = window;
        m_current = Flash{at, -1, 0};
        if (m_cpuFrom < 0 && m_cpuTo > 0)
            m_cpuTo = 0; // the idle sample was cut short; drop it
        m_cpuFrom = m_cpuTo = 0;
        // Read back a pixel until the picture is there or the window goes.
        const double giveUp = at + 1000;
        while (now() < giveUp) {
            if (pixelShowsPicture()) {
                m_current.visible = now();
                break;
            }
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool unmapped =
                    (event->response_type & 0x7f) == XCB_UNMAP_NOTIFY &&
                    reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window == m_window;
                const double when = now();
                std::free(event);
                if (unmapped) {
                    flashUnmapped(when);
                    return;
                }
            }
        }
    }

    bool pixelShowsPicture()
    {
        // Away from the diagonal stripe test pictures may carry.
        const int16_t x = int16_t(m_x + m_width * 5 / 6);
        const int16_t y = int16_t(m_y + m_height / 8);
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, x, y, 1, 1, 0xffffffffu),
            nullptr);
        if (!image)
            return false;
        uint32_t pixel = 0;
        std::memcpy(&pixel, xcb_get_image_data(image),
                    std::min<size_t>(4, size_t(xcb_get_image_data_length(image))));
        std::free(image);
        return (pixel & 0xffffff) == m_options.colour;
    }

    void flashUnmapped(double at)
    {
        m_current.unmapped = at;
        m_flashes.push_back(m_current);
        const double previousGone =
            m_flashes.size() > 1 ? m_flashes[m_flashes.size() - 2].unmapped : 0;
        std::printf(
            "flash %zu: mapped→visible %.2f ms, visible %.2f ms, mapped %.2f ms, "
            "dark to picture %.2f ms\n",
            m_flashes.size(), m_current.visible < 0 ? -1.0 : m_current.visible - m_current.mapped,
            m_current.visible < 0 ? -1.0 : at - m_current.visible, at - m_current.mapped,
            previousGone > 0 && m_current.visible >= 0 ? m_current.visible - previousGone : -1.0);
        std::fflush(stdout);
        m_window = 0;
        // Idle: from well after the flash (the program prepares its next window
        // then) until shortly before the next one is due.
        m_cpuFrom = at + 300;
        m_cpuTo = at + m_options.interval - 150;
    }

    void sampleCpu()
    {
        if (!m_options.pid)
            return;
        const double t = now();
        if (m_cpuFrom > 0 && t >= m_cpuFrom) {
            if (auto ticks = cpuTicks(m_options.pid)) {
                m_ticksFrom = *ticks;
                m_wallFrom = t;
                m_cpuFrom = -1; // started
            } else {
                m_cpuFrom = m_cpuTo = 0;
            }
        } else if (m_cpuFrom < 0 && m_cpuTo > 0 && t >= m_cpuTo) {
            if (auto ticks = cpuTicks(m_options.pid)) {
                m_idleTicks += *ticks - m_ticksFrom;
                m_idleWall += t - m_wallFrom;
            }
            m_cpuFrom = m_cpuTo = 0;
        }
    }

    void report() const
    {
        std::vector<double> visibleErrors, mappedErrors, darkErrors, darkToPicture, latency;
        int neverSeen = 0;
        for (size_t i = 0; i < m_flashes.size(); ++i) {
            const Flash& f = m_flashes[i];
            mappedErrors.push_back(f.unmapped - f.mapped - m_options.duration);
            if (f.visible < 0) {
                ++neverSeen;
            } else {
                visibleErrors.push_back(f.unmapped - f.visible - m_options.duration);
                latency.push_back(f.visible - f.mapped);
            }
            if (i > 0) {
                const double previousGone = m_flashes[i - 1].unmapped;
                darkErrors.push_back(f.mapped - previousGone - m_options.interval);
                if (f.visible >= 0)
                    darkToPicture.push_back(f.visible - previousGone - m_options.interval);
            }
        }
        const Summary visible = summarise(visibleErrors);
        const Summary mapped = summarise(mappedErrors);
        const Summary dark = summarise(darkErrors);
        const Summary darkPicture = summarise(darkToPicture);
        const Summary toScreen = summarise(latency);
        std::printf("duration %.0f ms, interval %.0f ms, %zu flashes (%d never seen on screen)\n",
                    m_options.duration, m_options.interval, m_flashes.size(), neverSeen);
        std::printf(
            "  visible time error (picture on screen to unmap): median %+.2f ms, p95 |%.2f| ms\n",
            visible.median, visible.p95);
        std::printf(
            "  mapped time error (map to unmap):                median %+.2f ms, p95 |%.2f| ms\n",
            mapped.median, mapped.p95);
        std::printf(
            "  map to picture on screen:                        median %.2f ms, p95 %.2f ms\n",
            toScreen.median, toScreen.p95);
        std::printf(
            "  dark time error (unmap to next map):             median %+.2f ms, p95 |%.2f| ms\n",
            dark.median, dark.p95);
        std::printf(
            "  dark time error (unmap to next picture on screen): median %+.2f ms, p95 |%.2f| ms\n",
            darkPicture.median, darkPicture.p95);
        if (!m_flashes.empty() && m_flashes.front().visible >= 0) {
            // On the wall clock, to be set against a time the program gave.
            timespec wall{};
            clock_gettime(CLOCK_REALTIME, &wall);
            const double wallNow = double(wall.tv_sec) * 1e3 + double(wall.tv_nsec) / 1e6;
            std::printf("  first picture on screen at %.3f ms since the epoch\n",
                        wallNow - now() + m_flashes.front().visible);
        }
        if (m_startedAt > 0 && !m_flashes.empty() && m_flashes.front().visible >= 0)
            std::printf("  first picture on screen after Start: %+.2f ms from one interval\n",
                        m_flashes.front().visible - m_startedAt - m_options.interval);
        if (m_options.pid && m_idleWall > 0) {
            const double tick = 1000.0 / double(sysconf(_SC_CLK_TCK));
            std::printf("  idle CPU between flashes: %.3f %% of one core (%lld ticks in %.1f s)\n",
                        100.0 * double(m_idleTicks) * tick / m_idleWall, m_idleTicks,
                        m_idleWall / 1000);
        }
    }

    Options m_options;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_window_t m_window = 0;
    int m_x = 0, m_y = 0, m_width = 0, m_height = 0;
    Flash m_current;
    std::vector<Flash> m_flashes;
    double m_cpuFrom = 0, m_cpuTo = 0, m_wallFrom = 0, m_idleWall = 0;
    double m_startedAt = 0; // the start window's unmap
    long long m_ticksFrom = 0, m_idleTicks = 0;
};

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--flashes")
            options.flashes = std::atoi(value);
        else if (name == "--duration")
            options.duration = std::atof(value);
        else if (name == "--interval")
            options.interval = std::atof(value);
        else if (name == "--pid")
            options.pid = std::atoi(value);
        else if (name == "--timeout")
            options.timeout = std::atof(value);
        else if (name == "--colour")
            options.colour = uint32_t(std::strtoul(value, nullptr, 16));
        else if (name == "--start-window")
            options.startWindow = uint32_t(std::strtoul(value, nullptr, 0));
        else if (name == "--size")
            if (std::strcmp(value, "any") == 0)
                options.width = options.height = 0;
            else
                std::sscanf(value, "%dx%d", &options.width, &options.height);
        else {
            std::fprintf(stderr, "flash-observer: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    return Observer(options).run();
}
