// The forms' twips (forms/Twips.h) as Qt rectangles.
#pragma once

#include "FormUnits.h"

#include <QRect>

namespace mrv::ui {

using forms::twips;
using forms::TwipsRect;

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
inline QRect twipsRect(const TwipsRect& r)
{
    return twipsRect(r.left, r.top, r.width, r.height);
}

} // namespace mrv::ui
