// Numeric reading, rounding and writing rules of the converter. Every digit
// of a result line depends on these, so each rule is a small pure function.
// A rule that cannot represent its result returns std::nullopt (the overflow
// failure); none wraps, saturates or substitutes a value.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace mrv {

// Leading-number reading: blanks (space, tab, line feed) are dropped
// everywhere first, then a number is read from the start ("&H"/"&O" radix
// prefixes, or a decimal with optional exponent). Text without a number
// reads as 0. "." is the decimal point whatever the locale.
std::optional<double> readLeadingNumber(std::string_view text);

// The same reading fed piece by piece, in fixed memory whatever the text's
// length: readLeadingNumber is this reader fed once. Only what can decide the
// double is kept: the first significant digits, whether a non-zero digit
// follows them, and exact counts of the rest.
class NumberReader {
public:
    void feed(std::string_view piece);
    // Once true, nothing fed later can change the result.
    bool done() const { return c_.state == State::Done; }
    std::optional<double> result() const;
    void reset() { c_ = Counts{}; }
    // A whole text at once: the same as feeding it to a fresh reader.
    static std::optional<double> read(std::string_view text);

private:
    // Enough significant digits to round every decimal correctly to double:
    // a halfway point between two doubles has at most 767.
    static constexpr int kKeptDigits = 780;
    // The first ones are kept as an integer, for the fast exact cases.
    static constexpr int kLeadingDigits = 19;

    enum class State : unsigned char {
        Start,
        Sign,
        Amp,
        Radix,
        Integer,
        Point, // a point with no digit before it
        Fraction,
        ExponentLetter,
        ExponentSign,
        Exponent,
        Done
    };
    void decimalDigit(int digit, bool afterPoint);

    // Everything but the kept digits, so that starting afresh is cheap.
    struct Counts {
        State state = State::Start;
        bool negative = false;
        bool mantissa = false; // a digit of the number, zero or not
        bool exponentNegative = false;
        bool hasExponent = false;
        bool sticky = false;   // a non-zero digit beyond the kept ones
        bool overflow = false; // a radix pattern wider than 16 bits
        unsigned radix = 0;
        std::uint32_t radixValue = 0;
        std::uint64_t leading = 0;    // the first kLeadingDigits significant digits
        std::int64_t significant = 0; // significant digits read, trailing zeros too
        std::int64_t scale = 0;       // the number is 0.d1d2... x 10^scale before its exponent
        std::int64_t exponent = 0;    // saturates far beyond any count of digits
    };
    static std::size_t digitRun(std::string_view text, bool zerosOnly, bool& nonZero);
    static std::optional<double> exactly(const Counts& c, std::int64_t magnitude);

    Counts c_;
    char digits_[kKeptDigits]; // significant digits after the leading ones, '0'..'9'
};

// Writing rules into a caller's buffer, for callers that write many lines:
// each returns the end of what it wrote. kMaxNumberText bytes plus the
// separator's are always enough.
inline constexpr std::size_t kMaxNumberText = 48;
char* writeNumberText(char* out, std::int16_t value);
char* writeNumberText(char* out, float value, std::string_view decimalSeparator);
char* writeNumberText(char* out, double value, std::string_view decimalSeparator);
char* writeFixedTwoDecimalText(char* out, float value, std::string_view decimalSeparator);

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
std::optional<std::int16_t> floorToInt16(double value);

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

// Number text: 7 significant digits for a single, 15 for a double,
// positional or exponent form; never a grouping separator.
std::string numberText(std::int16_t value);
std::string numberText(float value, std::string_view decimalSeparator);
std::string numberText(double value, std::string_view decimalSeparator);

// Fixed two-decimal text of a single.
std::string fixedTwoDecimalText(float value, std::string_view decimalSeparator);

// A number that carries its own kind (empty, single, double or 16-bit
// integer); the kind decides how it is written and how it combines.
class DynamicNumber {
public:
    DynamicNumber() = default;
    explicit DynamicNumber(float v) : value_(v) {}
    explicit DynamicNumber(double v) : value_(v) {}
    explicit DynamicNumber(std::int16_t v) : value_(v) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isSingle() const { return std::holds_alternative<float>(value_); }
    bool isDouble() const { return std::holds_alternative<double>(value_); }
    bool isInteger() const { return std::holds_alternative<std::int16_t>(value_); }

    // Exact numeric value; an empty number is 0.
    double value() const
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

    // Absolute value keeping the kind; empty becomes the integer 0.
    std::optional<DynamicNumber> abs() const;

    bool operator>(double rhs) const { return value() > rhs; }
    bool operator<(double rhs) const { return value() < rhs; }

    std::string text(std::string_view decimalSeparator) const;
    char* writeText(char* out, std::string_view decimalSeparator) const;
    // The number text of abs(), written in place.
    char* writeAbsText(char* out, std::string_view decimalSeparator) const;

private:
    std::variant<std::monostate, float, double, std::int16_t> value_;
};

} // namespace mrv
