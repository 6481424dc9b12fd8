// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Scheduler.h"

#include "platform/Random.h"

#include <algorithm>

int Scheduler::chooseSlot(Order order, int count, Random& random)
{
    if (count < 1)
        return 0;
    if (order == Order::Random) {
        const int slot = int(double(count) * random.next() + 1.0);
        m_randomIndex = std::clamp(slot, 1, count);
        return m_randomIndex;
    }
    if (m_sequenceIndex >= count)
        m_sequenceIndex = 1;
    else
        ++m_sequenceIndex;
    return m_sequenceIndex;
}
