#include "Numeric.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace mrv {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "&H"/"&O" numbers are 16-bit patterns; anything wider cannot be held.
std::optional<double> readRadix(std::string_view digits, int radix)
{
    std::uint32_t value = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0 || d >= radix)
            break;
        value = value * static_cast<std::uint32_t>(radix) + static_cast<std::uint32_t>(d);
        if (value > 0xFFFF)
            return std::nullopt;
    }
    return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
}

// Length of the longest prefix of `s` that is a decimal number in the
// reading's grammar, or 0 when there is none.
std::size_t decimalPrefixLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Decimal exponent of the first significant digit of a well-formed number,
// used only to tell overflow from underflow when from_chars reports that the
// value is out of range. Saturates far beyond the double range.
long decimalMagnitude(std::string_view number)
{
    std::size_t i = 0;
    long magnitude = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (isDigit(c)) {
            if (!seenNonZero && c != '0') {
                seenNonZero = true;
                if (afterPoint)
                    --magnitude;
            } else if (seenNonZero && !afterPoint) {
                ++magnitude;
            } else if (!seenNonZero && afterPoint) {
                --magnitude;
            }
        }
    }
    long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000L);
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent;
}

std::optional<double> readDecimal(std::string_view s)
{
    std::size_t length = decimalPrefixLength(s);
    if (length == 0)
        return 0.0;
    std::string_view number = s.substr(0, length);
    bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);

    // from_chars is exactly rounded and never looks at the process locale.
    double value = 0.0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(number) > 0)
            return std::nullopt;
        value = 0.0;
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        return 0.0; // unreachable for a prefix of our grammar
    }
    return negative ? -value : value;
}

// Digits and decimal exponent of a value rounded to `significant` digits,
// exactly from its binary value (to_chars rounds exact ties to even).
struct Decimal {
    std::string digits; // no trailing zeros, at least one digit
    int exponent = 0;   // power of ten of the first digit
};

Decimal toSignificant(double value, int significant)
{
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::scientific, significant - 1);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    Decimal d;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1); // the caller writes the sign
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (isDigit(c))
            d.digits.push_back(c);
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

void appendInteger(std::string& out, std::int64_t value)
{
    std::array<char, 24> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

std::string formatSignificant(double value, int significant, int maxPositionalExponent,
                              std::string_view separator)
{
    if (value == 0.0)
        return "0"; // also a negative zero
    std::string out = value < 0.0 ? "-" : "";
    // A whole number of at most `significant` digits is written as it is: the
    // usual case, and it needs no exact decimal conversion.
    if (std::fabs(value) < kPowersOfTen[significant] && std::trunc(value) == value) {
        appendInteger(out, static_cast<std::int64_t>(std::fabs(value)));
        return out;
    }
    Decimal d = toSignificant(value, significant);
    if (d.exponent >= -4 && d.exponent <= maxPositionalExponent) {
        if (d.exponent >= 0) {
            std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
            if (d.digits.size() <= integerDigits) {
                out += d.digits;
                out.append(integerDigits - d.digits.size(), '0');
            } else {
                out.append(d.digits, 0, integerDigits);
                out += separator;
                out.append(d.digits, integerDigits);
            }
        } else {
            out += '0';
            out += separator;
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out += d.digits;
        }
        return out;
    }
    out += d.digits.front();
    if (d.digits.size() > 1) {
        out += separator;
        out.append(d.digits, 1);
    }
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    int magnitude = std::abs(d.exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

} // namespace

std::optional<double> readLeadingNumber(std::string_view text)
{
    // Most entries hold no blank: read those in place, copy only the others.
    std::string compact;
    std::string_view s = text;
    if (std::any_of(text.begin(), text.end(), isBlank)) {
        compact.reserve(text.size());
        for (char c : text)
            if (!isBlank(c))
                compact.push_back(c);
        s = compact;
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadix(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadix(s.substr(2), 8);
    }
    return readDecimal(s);
}

std::optional<std::int16_t> roundToInt16(double value)
{
    // Bounds first, so the arithmetic below only meets small values.
    if (!(value > -32769.0 && value < 32768.0))
        return std::nullopt;
    double below = std::floor(value);
    double fraction = value - below; // exact at this magnitude
    double rounded = below;
    const bool belowIsOdd = static_cast<std::int32_t>(below) % 2 != 0;
    if (fraction > 0.5 || (fraction == 0.5 && belowIsOdd))
        rounded = below + 1.0;
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> floorToInt16(double value)
{
    double below = std::floor(value);
    if (!(below >= -32768.0 && below <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(below);
}

std::optional<float> toSingle(double value)
{
    // Halfway between the largest float and 2^128: from there on the nearest
    // float is infinity. Also keeps the cast below defined.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (!(std::fabs(value) < kOverflow))
        return std::nullopt;
    return static_cast<float>(value);
}

std::string numberText(std::int16_t value)
{
    return std::to_string(value);
}

std::string numberText(float value, std::string_view decimalSeparator)
{
    return formatSignificant(static_cast<double>(value), 7, 6, decimalSeparator);
}

std::string numberText(double value, std::string_view decimalSeparator)
{
    return formatSignificant(value, 15, 14, decimalSeparator);
}

std::string fixedTwoDecimalText(float value, std::string_view decimalSeparator)
{
    // A single times 100 is exact in double (24 + 7 significant bits), so
    // rounding that to an integer, ties to even, is the exactly rounded
    // two-decimal value. Only singles beyond 2^53 / 100 take the long way.
    const double hundredfold = static_cast<double>(value) * 100.0;
    if (std::fabs(hundredfold) < 0x1p53) {
        const double rounded = std::nearbyint(hundredfold); // default mode: ties to even
        const auto cents = static_cast<std::int64_t>(std::fabs(rounded));
        std::string text = rounded < 0.0 ? "-" : ""; // a value that rounds to zero is "0.00"
        appendInteger(text, cents / 100);
        text += decimalSeparator;
        text += static_cast<char>('0' + cents % 100 / 10);
        text += static_cast<char>('0' + cents % 10);
        return text;
    }
    // Exactly rounded from the single's binary value; near-halfway singles
    // fall to the side their binary value lies on.
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                                std::chars_format::fixed, 2);
    std::string text(buffer.data(), result.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1); // a value that rounds to zero is written "0.00"
    std::size_t point = text.find('.');
    text.replace(point, 1, decimalSeparator);
    return text;
}

double DynamicNumber::value() const
{
    return std::visit(
        [](const auto& v) -> double {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                return 0.0;
            else
                return static_cast<double>(v);
        },
        value_);
}

std::optional<DynamicNumber> DynamicNumber::abs() const
{
    if (isEmpty())
        return DynamicNumber(std::int16_t{0});
    if (isSingle())
        return DynamicNumber(std::fabs(std::get<float>(value_)));
    if (isDouble())
        return DynamicNumber(std::fabs(std::get<double>(value_)));
    std::int16_t v = std::get<std::int16_t>(value_);
    if (v == std::numeric_limits<std::int16_t>::min())
        return std::nullopt;
    return DynamicNumber(static_cast<std::int16_t>(v < 0 ? -v : v));
}

std::string DynamicNumber::text(std::string_view decimalSeparator) const
{
    if (isSingle())
        return numberText(std::get<float>(value_), decimalSeparator);
    if (isDouble())
        return numberText(std::get<double>(value_), decimalSeparator);
    if (isInteger())
        return numberText(std::get<std::int16_t>(value_));
    return {};
}

} // namespace mrv
