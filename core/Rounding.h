// Rounding rules: nearest-even rounding and floor to a 16-bit integer, and
// single-precision storage. A rule that cannot represent its result returns
// std::nullopt (the overflow failure); none wraps, saturates or substitutes
// a value.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace mrv {

// Nearest integer, ties to even, of a value below 2^52 in magnitude: adding
// and taking away 2^52 leaves it to the sum's own rounding (to nearest, ties
// to even, the rounding this program always runs with).
inline double roundHalfEven(double value)
{
    return std::copysign((std::fabs(value) + 0x1p52) - 0x1p52, value);
}

// Nearest-even rounding to a 16-bit integer.
inline std::optional<std::int16_t> roundToInt16(double value)
{
    // Bounds first, so the rounding below only meets small values.
    if (!(value > -32769.0 && value < 32768.0))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

// Floor to a 16-bit integer.
inline std::optional<std::int16_t> floorToInt16(double value)
{
    const double below = std::floor(value);
    if (!(below >= -32768.0 && below <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(below);
}

// Single-precision storage: nearest float, ties to even.
inline std::optional<float> toSingle(double value)
{
    // Halfway between the largest float and 2^128: from there on the nearest
    // float is infinity. Also keeps the cast below defined.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (!(std::fabs(value) < kOverflow))
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace mrv
