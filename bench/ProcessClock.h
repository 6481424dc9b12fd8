// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Time and CPU use as the benchmarks that watch the program from outside
// measure them.

#include <ctime>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

// Milliseconds on the monotonic clock.
inline double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Clock ticks of user plus system time of a process.
inline std::optional<long long> cpuTicks(int pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        if (i == 15)
            stime = std::stoll(field);
    }
    return utime + stime;
}
