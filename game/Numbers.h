// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whole-number helpers shared by the whole game: the game keeps its integers
// 16 bits wide, rounds halves to the even neighbour and takes floors for
// integer parts.
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace quilto {

// Raised when a value does not fit the integer it is stored in.
struct OverflowError : std::range_error {
    OverflowError() : std::range_error("overflow") {}
};

// Nearest whole number, halves to the even neighbour (banker's rounding).
inline double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

inline std::int16_t ToInt16(double x) {
    const double r = RoundHalfEven(x);
    if (!(r >= INT16_MIN && r <= INT16_MAX)) throw OverflowError();
    return static_cast<std::int16_t>(r);
}

// Board geometry is 32 bits wide so that the board can fill large screens.
inline std::int32_t ToInt32(double x) {
    const double r = RoundHalfEven(x);
    if (!(r >= INT32_MIN && r <= INT32_MAX)) throw OverflowError();
    return static_cast<std::int32_t>(r);
}

// Lowers a size by whole window units until it rounds to whole pixels (a
// multiple of 15 units). A size ending in .5 rounds to even numbers only, so
// this can take up to 29 steps. A size too large for one unit to register, or
// not a number, is an overflow.
template <typename T>
T LowerToWholePixels(T size) {
    while (std::fmod(RoundHalfEven(size), 15.0) != 0.0) {
        const T before = size;
        size -= 1;
        if (!std::isfinite(size) || size == before) throw OverflowError();
    }
    return size;
}

// The integer part of a value: its floor.
inline double IntPart(double x) {
    return std::floor(x);
}

}  // namespace quilto
