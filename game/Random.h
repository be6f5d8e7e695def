// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>
#include <random>

namespace quilto {

// The game's one random source: uniform in [0, 1), seeded once per run
// (tests seed it with a fixed value).
class Random {
public:
    explicit Random(std::uint64_t seed = 1) : engine_(seed) {}

    void Seed(std::uint64_t seed) { engine_.seed(seed); }

    // Uniform in [0, 1): the top 53 bits of one draw, so 1.0 never comes up.
    double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // 64 uniform random bits.
    std::uint64_t Bits() { return engine_(); }

    // A random position from 1 to n: int(rnd * n) + 1.
    int Position(int n) { return static_cast<int>(Next() * n) + 1; }

private:
    std::mt19937_64 engine_;
};

}  // namespace quilto
