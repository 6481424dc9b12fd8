// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Random;

// Chooses the viewer slot of each flash. Reads the picture count afresh at
// every tick, so pictures added or deleted during a run take part at once.
class Scheduler
{
public:
    enum class Order { Random, List };

    // A new run: list order begins again at slot 1.
    void start() { m_sequenceIndex = 0; }

    // The slot to flash, 1 to count, or 0 when there is no picture (no draw
    // is made then). Random order draws once; list order steps on and wraps.
    int chooseSlot(Order order, int count, Random& random);

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
};
