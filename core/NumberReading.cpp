// What a reading gives: the double of the digits a NumberReader kept, and
// the readings of a whole text (the leading number, the batch's strict
// reading and the window's). The shapes people type ("2002", "-84",
// "361.98") are read in one pass; anything else goes through a NumberReader.
#include "NumberReader.h"

#include "Digits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <fast_float/fast_float.h>
#include <system_error>

namespace mrv {
namespace {

// Every power of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// digits x 10^power, when both the digits and the power of ten are exact in
// a double: then one correctly rounded operation gives the nearest double.
std::optional<double> exactInOneOperation(std::uint64_t digits, std::int64_t power, bool negative)
{
    if (digits > (std::uint64_t{1} << 53) || power < -22 || power > 22)
        return std::nullopt;
    const double m = static_cast<double>(digits);
    const double v = power < 0 ? m / kExactPowersOfTen[static_cast<std::size_t>(-power)]
                               : m * kExactPowersOfTen[static_cast<std::size_t>(power)];
    return negative ? -v : v;
}

// The plain shape: a sign, then at most 19 digits (they fit 64 bits) with at
// most one point, and nothing after. Anything else, blanks and exponents
// included, is left to the general reader. Inlined: returned through memory,
// the optional costs plain entries a quarter of their time.
[[gnu::always_inline]] inline std::optional<double> readPlainShape(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    const char* const first = p;
    const char* point = nullptr;
    std::uint64_t mantissa = 0;
    for (; p < end; ++p) {
        if (const int digit = digits::value(*p); digit >= 0)
            mantissa =
                mantissa * 10 + static_cast<unsigned>(digit); // used only up to 19 digits, short of wrapping
        else if (*p == '.' && !point)
            point = p;
        else
            return std::nullopt;
    }
    const std::ptrdiff_t digitCount = p - first - (point ? 1 : 0);
    if (digitCount == 0 || digitCount > 19)
        return std::nullopt;
    return exactInOneOperation(mantissa, point ? -(end - point - 1) : 0, negative);
}

} // namespace

std::optional<double> NumberReader::result() const
{
    if (c_.overflow)
        return std::nullopt;
    if (c_.radix != 0)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(c_.radixValue)));
    const double zero = c_.negative && c_.mantissa ? -0.0 : 0.0;
    if (c_.significant == 0)
        return zero;
    // The number is 0.d1d2... x 10^magnitude.
    const std::int64_t magnitude =
        c_.scale + (c_.hasExponent ? (c_.exponentNegative ? -c_.exponent : c_.exponent) : 0);
    if (magnitude > 310) // at least 10^309
        return std::nullopt;
    if (magnitude < -330) // below half the smallest double
        return zero;
    if (c_.significant <= kLeadingDigits)
        if (std::optional<double> value =
                exactInOneOperation(c_.leading, magnitude - c_.significant, c_.negative))
            return value;
    // The kept digits, then a non-zero digit if any was dropped: it stands
    // on the same side of every halfway point as the digits it replaces.
    char text[kKeptDigits + 32];
    char* p = text;
    *p++ = '0';
    *p++ = '.';
    const auto kept = static_cast<std::size_t>(std::min<std::int64_t>(c_.significant, kKeptDigits));
    const std::size_t leadingDigits = std::min<std::size_t>(kept, kLeadingDigits);
    std::uint64_t leading = c_.leading;
    for (std::size_t i = leadingDigits; i-- > 0; leading /= 10)
        p[i] = static_cast<char>('0' + leading % 10);
    p += leadingDigits;
    p = digits::put(p, std::string_view(digits_ + leadingDigits, kept - leadingDigits));
    if (c_.sticky)
        *p++ = '1';
    *p++ = 'e';
    if (magnitude < 0)
        *p++ = '-';
    p = digits::small(p, static_cast<std::uint32_t>(magnitude < 0 ? -magnitude : magnitude));
    // Exactly rounded for any number of digits, and blind to the process
    // locale. It reports no range error: beyond the double range it gives
    // infinity, below it zero.
    double value = 0.0;
    const auto [end, ec] = fast_float::from_chars(text, p, value);
    if (ec != std::errc() || end != p)
        return zero; // unreachable: the text is well formed
    if (std::isinf(value))
        return std::nullopt;
    return c_.negative ? -value : value;
}

std::optional<double> readLeadingNumber(std::string_view text)
{
    if (std::optional<double> value = readPlainShape(text))
        return value;
    NumberReader reader;
    reader.feed(text);
    return reader.result();
}

NumberReading readNumber(std::string_view text)
{
    if (std::optional<double> value = readPlainShape(text))
        return {*value, false, true};
    NumberReader reader;
    reader.feed(text);
    const std::optional<double> value = reader.result();
    return {value.value_or(0.0), !value, reader.wholeNumber()};
}

namespace {

// Any other shape, by the reader: apart, so that a plain entry's call sets up
// no reader.
[[gnu::noinline]] NumberReading readTypedShape(std::string_view text, std::string_view decimalSeparator)
{
    NumberReader reader;
    if (decimalSeparator == "," && text.find(',') != std::string_view::npos) {
        if (text.find('.') != std::string_view::npos)
            return {0.0, false, false};
        for (std::size_t comma; (comma = text.find(',')) != std::string_view::npos;
             text.remove_prefix(comma + 1)) {
            reader.feed(text.substr(0, comma));
            reader.feed(".");
        }
    }
    reader.feed(text);
    const std::optional<double> value = reader.result();
    return {value.value_or(0.0), !value, reader.oneNumber()};
}

} // namespace

NumberReading readTypedNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (std::optional<double> value = readPlainShape(text))
        return {*value, false, true};
    return readTypedShape(text, decimalSeparator);
}

} // namespace mrv
