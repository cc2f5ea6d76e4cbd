#include "DynamicNumber.h"

#include "Digits.h"
#include "NumberText.h"

#include <cmath>
#include <limits>

namespace mrv {

char* DynamicNumber::writeAbsText(char* out, std::string_view decimalSeparator) const
{
    // Years first, without the general writer's call.
    if (const auto* f = std::get_if<float>(&value_)) {
        if (char* end = digits::smallWhole(out, std::fabs(*f)))
            return end;
        return writeNumberText(out, std::fabs(*f), decimalSeparator);
    }
    if (const auto* d = std::get_if<double>(&value_)) {
        if (char* end = digits::smallWhole(out, std::fabs(*d)))
            return end;
        return writeNumberText(out, std::fabs(*d), decimalSeparator);
    }
    if (const auto* i = std::get_if<std::int16_t>(&value_)) {
        if (*i == std::numeric_limits<std::int16_t>::min())
            return out;
        return digits::small(out, static_cast<std::uint32_t>(*i < 0 ? -*i : *i));
    }
    if (const auto* i = std::get_if<std::int32_t>(&value_)) {
        const std::int64_t wide = *i;
        return digits::small(out, static_cast<std::uint32_t>(wide < 0 ? -wide : wide));
    }
    *out = '0'; // empty: the integer 0
    return out + 1;
}

} // namespace mrv
