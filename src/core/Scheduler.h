// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class Random;

// Chooses the viewer slot of each flash. Reads the picture count afresh at
// every tick, so pictures added or deleted during a run take part at once.
class Scheduler
{
public:
    enum class Order { Random, List };

    // A new run: list order begins again at slot 1.
    void start()
    {
        m_sequenceIndex = 0;
        m_drawnAhead.reset();
    }

    // The slot to flash, 1 to count, or 0 when there is no picture (no draw
    // is made then). Random order draws once, or takes the draw made ahead;
    // list order steps on and wraps.
    int chooseSlot(Order order, int count, Random& random);

    // Makes random order's next draw now, so that its picture can be got
    // ready ahead; returns the slot it gives with count pictures (0 when
    // there is none, and no draw is made). The slot follows the count: a
    // picture added or deleted meanwhile does not leave it out of range.
    int drawAhead(int count, Random& random);

    // The slot list order shows next, 1 to count, or 0 when there is none.
    int nextInList(int count) const
    {
        return count < 1 ? 0 : m_sequenceIndex >= count ? 1 : m_sequenceIndex + 1;
    }

    // The last slot shown in list order (0 before the first of a run).
    int lastListSlot() const { return m_sequenceIndex; }
    // The last slot drawn in random order.
    int lastRandomSlot() const { return m_randomIndex; }

private:
    int m_sequenceIndex = 0;
    int m_randomIndex = 0;
    std::optional<double> m_drawnAhead; // in [0, 1)
};
