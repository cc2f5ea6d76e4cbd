// A form's controls as the platform's standard controls, each made from its
// design row (FormDesign.h): its class and styles from its kind, border and
// tab stop, its place from its twips at the window's DPI, its font and
// colours from its roles. Controls inside a frame are the frame's siblings
// placed within it, as Windows' group boxes hold no children.
#pragma once

#include "FormDesign.h"

#include <windows.h>

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace mrv::win32 {

// Twips to pixels at `dpi`: 15 to a pixel at 96 dpi, 10 at 144.
inline int pixels(int twips, int dpi)
{
    return MulDiv(twips, dpi, 1440);
}

class DesignedControls {
public:
    DesignedControls() = default;
    DesignedControls(const DesignedControls&) = delete;
    DesignedControls& operator=(const DesignedControls&) = delete;
    ~DesignedControls();

    // Makes the table's controls on `parent`, in the table's order, which is
    // their tab order; the n-th row gets the command id `firstId` + n.
    // `styles` adds a row's own styles (the default button, a group's start).
    void create(HWND parent, std::span<const forms::ControlDesign> table, int firstId,
                DWORD (*styles)(const forms::ControlDesign&) = nullptr);
    // Places and fonts every control for `dpi`.
    void layout(int dpi);

    HWND find(std::string_view name, int index = -1) const;
    // The design row of a control, or null for another window.
    const forms::ControlDesign* rowOf(HWND control) const;

    // WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT: the row's colour roles, or null
    // for the system's colours.
    HBRUSH colour(HDC dc, HWND control) const;

private:
    struct Control {
        const forms::ControlDesign* row;
        HWND window;
    };
    void deleteFonts();
    forms::TwipsRect placeOf(const forms::ControlDesign& row) const;

    std::vector<Control> controls;
    std::array<HFONT, 4> fonts{};
};

// The class name and style of a control of `kind` (and its border and tab
// stop), as created.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};
ControlClass controlClassOf(const forms::ControlDesign& row);

} // namespace mrv::win32
