// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// The soak's own dice: every choice of a run comes from one seed, so a run can be replayed.
class SoakRandom
{
public:
    explicit SoakRandom(std::uint64_t seed) : m_engine(seed) { }

    // 0 <= result < count; count must be positive.
    int below(int count) { return int(m_engine() % std::uint64_t(count)); }

    bool chance(double probability) { return unit() < probability; }

    // 53 random bits: uniform in [0, 1), never 1.
    double unit() { return double(m_engine() >> 11) * 0x1.0p-53; }

    template<typename Container>
    const auto &pick(const Container &items)
    {
        return items[below(int(std::size(items)))];
    }

    // Items with a `weight`: each comes up in proportion to it.
    template<typename Container>
    const auto &pickWeighted(const Container &items)
    {
        int total = 0;
        for (const auto &item : items)
            total += item.weight;
        int roll = below(total);
        for (const auto &item : items) {
            if (roll < item.weight)
                return item;
            roll -= item.weight;
        }
        return *std::begin(items);
    }

    std::uint64_t bits() { return m_engine(); }

private:
    std::mt19937_64 m_engine;
};
