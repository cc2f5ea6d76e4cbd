// Decimal digits: the one test of a digit read, and digits and short texts
// written straight into a buffer, the inner steps of every line written.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace mrv::digits {

// The value of a decimal digit, or -1 for any other character (the ones
// next to the digits, '/' and ':', included).
constexpr int value(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

inline constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline char* pair(char* out, std::uint32_t value) // value < 100, always two digits
{
    std::memcpy(out, kPairs + value * 2, 2);
    return out + 2;
}

// value < 100000: every year and every cent count of the calendars.
inline char* small(char* out, std::uint32_t value)
{
    if (value < 100) {
        if (value < 10) {
            *out = static_cast<char>('0' + value);
            return out + 1;
        }
        return pair(out, value);
    }
    const std::uint32_t high = value / 100;
    const std::uint32_t low = value % 100;
    if (high < 10)
        *out++ = static_cast<char>('0' + high);
    else if (high < 100)
        out = pair(out, high);
    else
        *out++ = static_cast<char>('0' + high / 100), out = pair(out, high % 100);
    return pair(out, low);
}

// A whole number below 100000, every year of the calendars, in 32-bit
// digits; nullptr for any other value (a fraction, a larger number).
inline char* smallWhole(char* out, double absolute)
{
    if (absolute < 100000.0) {
        const auto whole = static_cast<std::uint32_t>(absolute);
        if (static_cast<double>(whole) == absolute)
            return small(out, whole);
    }
    return nullptr;
}

// A short text: a label, or a decimal separator, usually one byte.
inline char* put(char* out, std::string_view text)
{
    if (text.size() == 1) {
        *out = text[0];
        return out + 1;
    }
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

} // namespace mrv::digits
