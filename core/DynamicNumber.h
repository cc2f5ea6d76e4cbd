// A number that carries its own kind (empty, single, double, or a 16-bit or
// 32-bit integer): the kind decides how it is written, and comparisons use
// its exact value.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <variant>

namespace mrv {

class DynamicNumber {
public:
    DynamicNumber() = default;
    explicit DynamicNumber(float v) : value_(v) {}
    explicit DynamicNumber(double v) : value_(v) {}
    explicit DynamicNumber(std::int16_t v) : value_(v) {}
    explicit DynamicNumber(std::int32_t v) : value_(v) {}

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
    bool operator>(double rhs) const { return value() > rhs; }

    // The number text of the absolute value, which keeps the kind (an empty
    // number's is the integer 0), written in place; kMaxNumberText bytes
    // plus the separator's are enough. The 16-bit integer -32768 has no
    // absolute value and writes nothing.
    char* writeAbsText(char* out, std::string_view decimalSeparator) const;

private:
    std::variant<std::monostate, float, double, std::int16_t, std::int32_t> value_;
};

} // namespace mrv
