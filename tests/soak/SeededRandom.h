// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoakRandom.h"
#include "services/RandomSource.h"

// The program's random source during a soak: the seed fixes every shuffle. Reseeding from the
// clock would make a failing run impossible to replay, so the sequence simply goes on.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed) : m_random(seed) { }

    double next() override { return m_random.unit(); }
    void reseedFromClock() override { }

private:
    SoakRandom m_random;
};
