// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

// Runs the event loop until done() holds, checking every 2 ms. The loop
// sleeps in between: processEvents() with a time limit returns at once when
// nothing is waiting, and calling it in a loop would keep a whole core busy,
// taken from the work being measured.
template <typename Done> void runEventsUntil(Done done)
{
    QEventLoop loop;
    QTimer check;
    check.setInterval(2);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start();
    if (!done())
        loop.exec();
}

// The longest the event loop went without turning while it runs: how long
// input would wait.
class StallMeter
{
public:
    StallMeter()
    {
        m_heartbeat.setInterval(5);
        QObject::connect(&m_heartbeat, &QTimer::timeout, [this] {
            m_longestNs = qMax(m_longestNs, m_beat.nsecsElapsed());
            m_beat.restart();
        });
    }
    void start()
    {
        m_beat.start();
        m_heartbeat.start();
    }
    double stop()
    {
        m_heartbeat.stop();
        return qMax(m_longestNs, m_beat.nsecsElapsed()) / 1e6;
    }

private:
    QTimer m_heartbeat;
    QElapsedTimer m_beat;
    qint64 m_longestNs = 0;
};

inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
