// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShowLatency.h"

#include <algorithm>

void ShowLatency::add(qint64 milliseconds)
{
    // A clock set back or forward gives a time out of range: it counts as a bound.
    m_recent.append(int(std::clamp<qint64>(milliseconds, 0, MaxMs)));
    if (m_recent.size() > Remembered)
        m_recent.removeFirst();
}

void ShowLatency::setKept(int milliseconds)
{
    m_kept = std::clamp(milliseconds, 0, MaxMs);
}

int ShowLatency::estimateMs() const
{
    if (m_recent.size() >= 2)
        return *std::min_element(m_recent.cbegin(), m_recent.cend());
    if (m_kept < 0)
        return 0;
    // A faster time since then lowers it at once: a flash is never early.
    return m_recent.isEmpty() ? m_kept : std::min(m_kept, m_recent.constFirst());
}
