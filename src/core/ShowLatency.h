// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// How long a flash takes from its tick until the picture is on the screen,
// learnt from the last few flashes, so that the tick can come that much early
// and the picture appears when the interval is over. The estimate is the
// shortest of the recent times: slow shows (the first few of a program, a busy
// moment) would make the next dark times short, while one that is quick is
// what the screen can do. No time is trusted alone; but an estimate kept from
// an earlier run, itself the shortest of several, stands in until two times
// are known, so that even the first flash of a run comes on time.
class ShowLatency
{
public:
    static constexpr int Remembered = 3;
    // No estimate goes above this, whatever the times.
    static constexpr int MaxMs = 100;

    void add(qint64 milliseconds);
    // An earlier run's estimate, to go by until two times are known.
    void setKept(int milliseconds);
    // 0 until two times are known or one is kept.
    int estimateMs() const;
    // Whether the estimate rests on times, and is worth keeping for a later run.
    bool isKnown() const { return m_recent.size() >= 2 || m_kept >= 0; }

private:
    QList<int> m_recent; // oldest first
    int m_kept = -1;     // none
};
