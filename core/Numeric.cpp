#include "Numeric.h"

#include "Digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

// Every power of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Decimal digits of an integer, two at a time from the right.
char* writeInteger(char* out, std::int64_t value)
{
    std::uint64_t v = static_cast<std::uint64_t>(value);
    if (value < 0) {
        *out++ = '-';
        v = 0 - v;
    }
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

using digits::put;

char* put(char* out, char c, std::size_t count)
{
    std::memset(out, c, count);
    return out + count;
}

// A whole number below 100000, every year of the calendars, in 32-bit
// digits; nullptr for any other value.
inline char* writeSmallWhole(char* out, double absolute)
{
    if (absolute < 100000.0) {
        const auto whole = static_cast<std::uint32_t>(absolute);
        if (static_cast<double>(whole) == absolute)
            return digits::small(out, whole);
    }
    return nullptr;
}

char* writeSignificant(char* out, double value, int significant, int maxPositionalExponent,
                       std::string_view separator)
{
    if (value == 0.0) {
        *out++ = '0'; // also a negative zero
        return out;
    }
    if (value < 0.0)
        *out++ = '-';
    // A whole number of at most `significant` digits is written as it is: the
    // usual case, and it needs no exact decimal conversion.
    const double absolute = std::fabs(value);
    if (char* end = writeSmallWhole(out, absolute))
        return end;
    if (absolute >= 100000.0 && absolute < kExactPowersOfTen[static_cast<std::size_t>(significant)]) {
        const auto whole = static_cast<std::int64_t>(absolute); // truncates
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
    int magnitude = std::abs(d.exponent);
    if (magnitude < 10)
        *out++ = '0';
    return writeInteger(out, magnitude);
}

template <typename Writer> std::string toText(Writer write)
{
    char buffer[kMaxNumberText + 64];
    return std::string(buffer, write(buffer));
}

} // namespace

std::optional<double> readLeadingNumber(std::string_view text)
{
    return NumberReader::read(text);
}

// Length of the run of digits that starts `text` (zeros only when
// `zerosOnly`); `nonZero` is set when the run holds another digit.
std::size_t NumberReader::digitRun(std::string_view text, bool zerosOnly, bool& nonZero)
{
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    std::size_t i = 0;
    for (std::uint64_t word; i + 8 <= text.size(); i += 8) { // eight zeros at a time
        std::memcpy(&word, text.data() + i, 8);
        if (word != kZeros)
            break;
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0')
            continue;
        if (zerosOnly || !isDigit(c))
            break;
        nonZero = true;
    }
    return i;
}

void NumberReader::decimalDigit(int digit, bool afterPoint)
{
    c_.mantissa = true;
    if (c_.significant == 0 && digit == 0) {
        if (afterPoint)
            --c_.scale; // a leading zero after the point
        return;
    }
    if (!afterPoint)
        ++c_.scale;
    if (c_.significant < kLeadingDigits)
        c_.leading = c_.leading * 10 + static_cast<std::uint64_t>(digit);
    else if (c_.significant < kKeptDigits)
        digits_[c_.significant] = static_cast<char>('0' + digit);
    else if (digit != 0)
        c_.sticky = true;
    ++c_.significant;
}

std::optional<double> NumberReader::exactly(const Counts& c, std::int64_t magnitude)
{
    // Digits and power of ten both exact in double: one correctly rounded
    // operation gives the nearest double.
    const std::int64_t power = magnitude - c.significant;
    if (c.significant <= kLeadingDigits && c.leading <= (std::uint64_t{1} << 53) && power >= -22 &&
        power <= 22) {
        const double m = static_cast<double>(c.leading);
        const double v = power < 0 ? m / kExactPowersOfTen[static_cast<std::size_t>(-power)]
                                   : m * kExactPowersOfTen[static_cast<std::size_t>(power)];
        return c.negative ? -v : v;
    }
    return std::nullopt;
}

std::optional<double> NumberReader::read(std::string_view text)
{
    // The shapes people type, "2002", "-84", "361.98", in one pass: a sign,
    // then at most 15 digits (exact in a double) with at most one point, and
    // nothing after. Their value over an exact power of ten, one correctly
    // rounded operation, is the nearest double. Anything else, blanks and
    // exponents included, reads the general way.
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    const char* const first = p;
    const char* point = nullptr;
    std::uint64_t mantissa = 0;
    for (; p < end; ++p) {
        const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(*p) - '0');
        if (digit <= 9)
            mantissa = mantissa * 10 + digit; // used only up to 15 digits, far from wrapping
        else if (*p == '.' && !point)
            point = p;
        else
            break;
    }
    const std::ptrdiff_t digitCount = p - first - (point ? 1 : 0);
    if (p == end && digitCount > 0 && digitCount <= 15) {
        const double m = static_cast<double>(mantissa);
        const double v = point ? m / kExactPowersOfTen[static_cast<std::size_t>(end - point - 1)] : m;
        return negative ? -v : v;
    }
    NumberReader reader;
    reader.feed(text);
    return reader.result();
}

void NumberReader::feed(std::string_view piece)
{
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char ch = piece[i];
        if (isBlank(ch))
            continue;
        const int digit = ch - '0';
        const bool isDigit = digit >= 0 && digit <= 9;
        switch (c_.state) {
        case State::Start:
        case State::Sign:
            if (isDigit) {
                decimalDigit(digit, false);
                c_.state = State::Integer;
            } else if (ch == '.') {
                c_.state = State::Point;
            } else if (c_.state == State::Start && (ch == '+' || ch == '-')) {
                c_.negative = ch == '-';
                c_.state = State::Sign;
            } else if (c_.state == State::Start && ch == '&') {
                c_.state = State::Amp;
            } else {
                c_.state = State::Done;
            }
            break;
        case State::Amp:
            c_.radix = (ch == 'H' || ch == 'h') ? 16 : (ch == 'O' || ch == 'o') ? 8 : 0;
            c_.state = c_.radix ? State::Radix : State::Done;
            break;
        case State::Radix: {
            const int d = hexDigit(ch);
            if (d < 0 || static_cast<unsigned>(d) >= c_.radix) {
                c_.state = State::Done;
                break;
            }
            c_.radixValue = c_.radixValue * c_.radix + static_cast<std::uint32_t>(d);
            if (c_.radixValue > 0xFFFF) { // "&H"/"&O" numbers are 16-bit patterns
                c_.overflow = true;
                c_.state = State::Done;
            }
            break;
        }
        case State::Integer:
        case State::Point:
        case State::Fraction: {
            const bool afterPoint = c_.state != State::Integer;
            if (isDigit && (c_.significant >= kKeptDigits || (c_.significant == 0 && digit == 0))) {
                // Long runs of digits that only count: zeros before the
                // first significant digit, any digit after the kept ones.
                const std::size_t run = digitRun(piece.substr(i), c_.significant == 0, c_.sticky);
                c_.mantissa = true;
                if (c_.significant == 0) {
                    c_.scale -= afterPoint ? static_cast<std::int64_t>(run) : 0;
                } else {
                    c_.significant += static_cast<std::int64_t>(run);
                    c_.scale += afterPoint ? 0 : static_cast<std::int64_t>(run);
                }
                c_.state = afterPoint ? State::Fraction : State::Integer;
                i += run - 1;
            } else if (isDigit) {
                decimalDigit(digit, afterPoint);
                c_.state = afterPoint ? State::Fraction : State::Integer;
            } else if (ch == '.' && !afterPoint) {
                c_.state = State::Fraction;
            } else if ((ch == 'e' || ch == 'E') && c_.state != State::Point) {
                c_.state = State::ExponentLetter;
            } else {
                c_.state = State::Done;
            }
            break;
        }
        case State::ExponentLetter:
        case State::ExponentSign:
        case State::Exponent:
            if (isDigit) {
                // Far beyond any count of digits a stream can hold, so the
                // sum with the scale below never wraps nor changes class.
                constexpr std::int64_t kCap = std::int64_t{1} << 60;
                c_.exponent = c_.exponent >= kCap / 10 ? kCap : c_.exponent * 10 + digit;
                c_.hasExponent = true;
                c_.state = State::Exponent;
            } else if (c_.state == State::ExponentLetter && (ch == '+' || ch == '-')) {
                c_.exponentNegative = ch == '-';
                c_.state = State::ExponentSign;
            } else {
                c_.state = State::Done; // a letter without digits is not an exponent
            }
            break;
        case State::Done:
            return;
        }
    }
}

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
    if (std::optional<double> value = exactly(c_, magnitude))
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
    p = put(p, std::string_view(digits_ + leadingDigits, kept - leadingDigits));
    if (c_.sticky)
        *p++ = '1';
    *p++ = 'e';
    p = writeInteger(p, magnitude);
    // from_chars is exactly rounded and never looks at the process locale.
    double value = 0.0;
    auto [end, ec] = std::from_chars(text, p, value);
    if (ec == std::errc::result_out_of_range)
        return magnitude > 0 ? std::nullopt : std::optional<double>(zero);
    if (ec != std::errc() || end != p)
        return zero; // unreachable: the text is well formed
    return c_.negative ? -value : value;
}

std::optional<std::int16_t> floorToInt16(double value)
{
    double below = std::floor(value);
    if (!(below >= -32768.0 && below <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(below);
}

char* writeNumberText(char* out, std::int16_t value)
{
    return writeInteger(out, value);
}

char* writeNumberText(char* out, float value, std::string_view decimalSeparator)
{
    return writeSignificant(out, static_cast<double>(value), 7, 6, decimalSeparator);
}

char* writeNumberText(char* out, double value, std::string_view decimalSeparator)
{
    return writeSignificant(out, value, 15, 14, decimalSeparator);
}

char* writeFixedTwoDecimalText(char* out, float value, std::string_view decimalSeparator)
{
    // A single times 100 is exact in double (24 + 7 significant bits), so
    // rounding that to an integer, ties to even, is the exactly rounded
    // two-decimal value. Only singles beyond 2^52 / 100 take the long way.
    const double hundredfold = static_cast<double>(value) * 100.0;
    if (std::fabs(hundredfold) < 0x1p52) {
        const double rounded = roundHalfEven(hundredfold);
        const auto cents = static_cast<std::int64_t>(std::fabs(rounded));
        if (rounded < 0.0) // a value that rounds to zero is "0.00"
            *out++ = '-';
        if (cents < 10000000) // every date of the calendars: 32-bit digits
            out = digits::small(out, static_cast<std::uint32_t>(cents) / 100);
        else
            out = writeInteger(out, cents / 100);
        out = put(out, decimalSeparator);
        return digits::pair(out, static_cast<std::uint32_t>(cents % 100));
    }
    // Exactly rounded from the single's binary value; near-halfway singles
    // fall to the side their binary value lies on. No value this large rounds
    // to zero.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                std::chars_format::fixed, 2);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t point = text.find('.');
    out = put(out, text.substr(0, point));
    out = put(out, decimalSeparator);
    return put(out, text.substr(point + 1));
}

std::string numberText(std::int16_t value)
{
    return toText([&](char* out) { return writeNumberText(out, value); });
}

std::string numberText(float value, std::string_view decimalSeparator)
{
    return toText([&](char* out) { return writeNumberText(out, value, decimalSeparator); });
}

std::string numberText(double value, std::string_view decimalSeparator)
{
    return toText([&](char* out) { return writeNumberText(out, value, decimalSeparator); });
}

std::string fixedTwoDecimalText(float value, std::string_view decimalSeparator)
{
    return toText([&](char* out) { return writeFixedTwoDecimalText(out, value, decimalSeparator); });
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
    return toText([&](char* out) { return writeText(out, decimalSeparator); });
}

char* DynamicNumber::writeAbsText(char* out, std::string_view decimalSeparator) const
{
    // Years first, without the general writer's call.
    if (const auto* f = std::get_if<float>(&value_)) {
        if (char* end = writeSmallWhole(out, std::fabs(*f)))
            return end;
        return writeNumberText(out, std::fabs(*f), decimalSeparator);
    }
    if (const auto* d = std::get_if<double>(&value_)) {
        if (char* end = writeSmallWhole(out, std::fabs(*d)))
            return end;
        return writeNumberText(out, std::fabs(*d), decimalSeparator);
    }
    if (const auto* i = std::get_if<std::int16_t>(&value_)) {
        if (*i == std::numeric_limits<std::int16_t>::min())
            return out; // no absolute value: nothing to write
        return digits::small(out, static_cast<std::uint32_t>(*i < 0 ? -*i : *i));
    }
    *out = '0'; // empty: the integer 0
    return out + 1;
}

char* DynamicNumber::writeText(char* out, std::string_view decimalSeparator) const
{
    if (isSingle())
        return writeNumberText(out, std::get<float>(value_), decimalSeparator);
    if (isDouble())
        return writeNumberText(out, std::get<double>(value_), decimalSeparator);
    if (isInteger())
        return writeNumberText(out, std::get<std::int16_t>(value_));
    return out;
}

} // namespace mrv
