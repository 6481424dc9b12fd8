// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Scheduler.h"

#include "platform/Random.h"

#include <algorithm>

int Scheduler::chooseSlot(Order order, int count, Random& random)
{
    if (count < 1)
        return 0;
    if (order == Order::Random) {
        const double draw = m_drawnAhead ? *m_drawnAhead : random.next();
        m_drawnAhead.reset();
        m_randomIndex = std::clamp(int(double(count) * draw + 1.0), 1, count);
        return m_randomIndex;
    }
    if (m_sequenceIndex >= count)
        m_sequenceIndex = 1;
    else
        ++m_sequenceIndex;
    return m_sequenceIndex;
}

int Scheduler::drawAhead(int count, Random& random)
{
    if (count < 1)
        return 0;
    if (!m_drawnAhead)
        m_drawnAhead = random.next();
    return std::clamp(int(double(count) * *m_drawnAhead + 1.0), 1, count);
}
