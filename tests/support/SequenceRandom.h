// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/RandomSource.h"

#include <vector>

// Draws the given numbers in turn, over and over; counts the reseeds.
class SequenceRandom final : public RandomSource
{
public:
    explicit SequenceRandom(std::vector<double> values = {0.5}) : m_values(std::move(values)) { }

    double next() override
    {
        const double value = m_values[m_next % m_values.size()];
        ++m_next;
        return value;
    }
    void reseedFromClock() override { ++reseeds; }

    int reseeds = 0;

private:
    std::vector<double> m_values;
    size_t m_next = 0;
};
