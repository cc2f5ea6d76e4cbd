#include "NumberText.h"

#include "Digits.h"
#include "Rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fmt/compile.h>
#include <fmt/format.h>
#include <string>

namespace mrv {
namespace {

using digits::put;

char* put(char* out, char c, std::size_t count)
{
    std::memset(out, c, count);
    return out + count;
}

// Decimal digits of an integer, two at a time from the right.
char* writeInteger(char* out, std::uint64_t v)
{
    if (v < 100000)
        return digits::small(out, static_cast<std::uint32_t>(v));
    int length = 6;
    for (std::uint64_t t = v / 1000000; t > 0; t /= 10)
        ++length;
    char* const end = out + length;
    char* p = end;
    while (v >= 100) {
        p -= 2;
        std::memcpy(p, digits::kPairs + v % 100 * 2, 2);
        v /= 100;
    }
    if (v >= 10)
        std::memcpy(p - 2, digits::kPairs + v * 2, 2);
    else
        *--p = static_cast<char>('0' + v);
    return end;
}

// Digits and decimal exponent of a value rounded to `significant` digits,
// exactly from its binary value, exact ties to the even digit.
struct Decimal {
    std::string digits; // no trailing zeros, at least one digit
    int exponent = 0;   // power of ten of the first digit
};

Decimal toSignificant(double value, int significant)
{
    std::array<char, 64> buffer{};
    char* const end = fmt::format_to(buffer.data(), FMT_COMPILE("{:.{}e}"), value, significant - 1);
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    Decimal d;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1); // the caller writes the sign
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (digits::value(c) >= 0)
            d.digits.push_back(c);
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// `wholeLimit` is 10^significant: a whole number below it is written as it
// is, the usual case, without the exact decimal conversion.
char* writeSignificant(char* out, double value, int significant, double wholeLimit, int maxPositionalExponent,
                       std::string_view separator)
{
    if (value == 0.0) {
        *out++ = '0'; // also a negative zero
        return out;
    }
    if (value < 0.0)
        *out++ = '-';
    const double absolute = std::fabs(value);
    if (char* end = digits::smallWhole(out, absolute))
        return end;
    if (absolute >= 100000.0 && absolute < wholeLimit) {
        const auto whole = static_cast<std::uint64_t>(absolute); // truncates
        if (static_cast<double>(whole) == absolute)
            return writeInteger(out, whole);
    }
    Decimal d = toSignificant(value, significant);
    std::string_view digits = d.digits;
    if (d.exponent >= -4 && d.exponent <= maxPositionalExponent) {
        if (d.exponent >= 0) {
            std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
            if (digits.size() <= integerDigits) {
                out = put(out, digits);
                return put(out, '0', integerDigits - digits.size());
            }
            out = put(out, digits.substr(0, integerDigits));
            out = put(out, separator);
            return put(out, digits.substr(integerDigits));
        }
        *out++ = '0';
        out = put(out, separator);
        out = put(out, '0', static_cast<std::size_t>(-d.exponent - 1));
        return put(out, digits);
    }
    *out++ = digits.front();
    if (digits.size() > 1) {
        out = put(out, separator);
        out = put(out, digits.substr(1));
    }
    *out++ = 'E';
    *out++ = d.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10)
        *out++ = '0';
    return digits::small(out, static_cast<std::uint32_t>(magnitude));
}

} // namespace

char* writeNumberText(char* out, float value, std::string_view decimalSeparator)
{
    return writeSignificant(out, static_cast<double>(value), 7, 1e7, 6, decimalSeparator);
}

char* writeNumberText(char* out, double value, std::string_view decimalSeparator)
{
    return writeSignificant(out, value, 15, 1e15, 14, decimalSeparator);
}

namespace {

// Exactly rounded from the single's binary value; near-halfway singles fall
// to the side their binary value lies on. No value this large rounds to
// zero. Apart, so that the usual dates' calls set up no buffer.
[[gnu::noinline]] char* writeLargeTwoDecimalText(char* out, float value, std::string_view decimalSeparator)
{
    char buffer[64];
    char* const end = fmt::format_to(buffer, FMT_COMPILE("{:.2f}"), static_cast<double>(value));
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t point = text.find('.');
    out = put(out, text.substr(0, point));
    out = put(out, decimalSeparator);
    return put(out, text.substr(point + 1));
}

} // namespace

char* writeFixedTwoDecimalText(char* out, float value, std::string_view decimalSeparator)
{
    // A single times 100 is exact in double (24 + 7 significant bits), so
    // rounding that to an integer, ties to even, is the exactly rounded
    // two-decimal value. Only singles beyond 2^52 / 100 take the long way.
    const double hundredfold = static_cast<double>(value) * 100.0;
    if (std::fabs(hundredfold) < 0x1p52) {
        const double rounded = roundHalfEven(hundredfold);
        const auto cents = static_cast<std::uint64_t>(std::fabs(rounded));
        if (rounded < 0.0) // a value that rounds to zero is "0.00"
            *out++ = '-';
        if (cents < 10000000) // every date of the calendars: 32-bit digits
            out = digits::small(out, static_cast<std::uint32_t>(cents) / 100);
        else
            out = writeInteger(out, cents / 100);
        out = put(out, decimalSeparator);
        return digits::pair(out, static_cast<std::uint32_t>(cents % 100));
    }
    return writeLargeTwoDecimalText(out, value, decimalSeparator);
}

} // namespace mrv
