// The windows' measurements in twips (1/1440 inch), 15 to a pixel at 96 dpi,
// converted here on their own rather than with the windows' conversion, so
// that a fault in that conversion shows in every geometry check.
#pragma once

#include <QRect>

#include <cmath>

namespace mrv::test {

inline int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect designRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace mrv::test
