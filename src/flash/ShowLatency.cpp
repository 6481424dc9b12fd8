#include "flash/ShowLatency.h"

#include <algorithm>

void ShowLatency::add(qint64 milliseconds)
{
    // A clock set back or forward gives a time out of range: it counts as a bound.
    m_recent[size_t(m_next)] = int(std::clamp<qint64>(milliseconds, 0, MaxMs));
    m_next = (m_next + 1) % Remembered;
    m_count = std::min(m_count + 1, Remembered);
}

int ShowLatency::estimateMs() const
{
    if (m_count < 2)
        return 0;
    std::array<int, Remembered> sorted = m_recent;
    std::sort(sorted.begin(), sorted.begin() + m_count);
    return sorted[size_t((m_count - 1) / 2)];
}
