// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The time of day and the random source every window layer gives the game, in plain C++ so that
// each platform draws the same numbers from the same seed.

#include <cstdint>
#include <cstring>
#include <random>

namespace blokka {

// The time of day the platform reads in whole milliseconds, as the seconds the game seeds with.
constexpr float SecondsOfDay(std::int32_t milliseconds) {
    return static_cast<float>(milliseconds) / 1000.0f;
}

class RandomSource {
public:
    void Seed(float seed) {
        // The bit pattern keeps the fraction of a second in the seed.
        std::uint32_t bits = 0;
        std::memcpy(&bits, &seed, sizeof bits);
        engine_.seed(bits);
    }

    // 24 random bits fill a float's mantissa exactly: the largest value is 1 - 2^-24, never 1.
    float Next() { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

}  // namespace blokka
