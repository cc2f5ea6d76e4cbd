// The forms' unit. Every window is a form designed in twips for an 8.25 pt
// sans-serif UI font at 96 dpi: each position and size in the windows is the
// form's, and the captions were sized for that font.
#pragma once

namespace mrv::forms {

// A twip is 1/1440 inch, 15 to a device-independent pixel at 96 dpi, so a
// toolkit's high-DPI scaling scales whole windows.
constexpr int twips(int t)
{
    return (t * 2 + 15) / 30;
}

// A control's place on its form: left, top, width and height in twips.
struct TwipsRect {
    int left, top, width, height;
};

} // namespace mrv::forms
