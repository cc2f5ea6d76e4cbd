#include "core/numeric.hpp"
#include <cmath>
namespace mrv {
std::optional<std::int16_t> floorToInt16(double v)
{
    double f = std::floor(v);
    if (!(f >= -32768 && f <= 32767))
        return std::nullopt;
    return static_cast<std::int16_t>(f);
}
} // namespace mrv
