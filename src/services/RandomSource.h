// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>

// Pseudo-random numbers, uniform in [0, 1). Reseeded from the time of day before every
// shuffle, so each shuffle draws a new sequence.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseedFromClock() = 0;
};

class ClockRandomSource final : public RandomSource
{
public:
    ClockRandomSource(); // seeded from the clock, so runs differ from the first shuffle on
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};
