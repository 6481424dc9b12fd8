// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// The program's one source of uniform random numbers in [0, 1).
class Random
{
public:
    virtual ~Random() = default;
    virtual double next() = 0;
    virtual void seed(std::uint64_t value) = 0;
    virtual void seedFromClock() = 0;
};

class MersenneRandom final : public Random
{
public:
    double next() override;
    void seed(std::uint64_t value) override { m_engine.seed(value); }
    void seedFromClock() override;

private:
    std::mt19937_64 m_engine{5489u};
};
