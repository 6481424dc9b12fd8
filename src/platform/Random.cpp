// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

double MersenneRandom::next()
{
    // 53 random bits: exactly representable, never 1.0.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

void MersenneRandom::seedFromClock()
{
    seed(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}
