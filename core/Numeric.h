// Numeric reading, rounding and writing rules of the converter. Every digit
// of a result line depends on these, so each rule is a small pure function.
// A rule that cannot represent its result returns std::nullopt (the overflow
// failure); none wraps, saturates or substitutes a value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace mrv {

// Leading-number reading: blanks (space, tab, line feed) are dropped
// everywhere first, then a number is read from the start ("&H"/"&O" radix
// prefixes, or a decimal with optional exponent). Text without a number
// reads as 0. "." is the decimal point whatever the locale.
std::optional<double> readLeadingNumber(std::string_view text);

// Nearest-even rounding to a 16-bit integer.
std::optional<std::int16_t> roundToInt16(double value);

// Floor to a 16-bit integer.
std::optional<std::int16_t> floorToInt16(double value);

// Single-precision storage: nearest float, ties to even.
std::optional<float> toSingle(double value);

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
    double value() const;

    // Absolute value keeping the kind; empty becomes the integer 0.
    std::optional<DynamicNumber> abs() const;

    bool operator>(double rhs) const { return value() > rhs; }
    bool operator<(double rhs) const { return value() < rhs; }

    std::string text(std::string_view decimalSeparator) const;

private:
    std::variant<std::monostate, float, double, std::int16_t> value_;
};

} // namespace mrv
