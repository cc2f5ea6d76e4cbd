// Writing rules, into a caller's buffer (callers write many lines): each
// returns the end of what it wrote. kMaxNumberText bytes plus the
// separator's are always enough. Never a grouping separator.
#pragma once

#include <cstddef>
#include <string_view>

namespace mrv {

inline constexpr std::size_t kMaxNumberText = 48;

// Number text: 7 significant digits for a single, 15 for a double, in
// positional or exponent form, rounded from the exact binary value with
// ties to even.
char* writeNumberText(char* out, float value, std::string_view decimalSeparator);
char* writeNumberText(char* out, double value, std::string_view decimalSeparator);

// Fixed two-decimal text of a single, rounded the same way; a value that
// rounds to zero is "0.00".
char* writeFixedTwoDecimalText(char* out, float value, std::string_view decimalSeparator);

} // namespace mrv
