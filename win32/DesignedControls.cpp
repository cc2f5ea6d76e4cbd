#include "DesignedControls.h"

#include "Wide.h"

namespace mrv::win32 {

namespace {

using forms::Align;
using forms::Border;
using forms::ControlKind;

HFONT createFont(forms::FontRole role, int dpi)
{
    const forms::FontDesign font = forms::fontOf(role);
    const std::wstring face = wide(forms::kFace);
    return CreateFontW(-MulDiv(static_cast<int>(font.points * 100 + 0.5), dpi, 7200), 0, 0, 0,
                       font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       face.c_str());
}

COLORREF colourRef(forms::ColourRole role)
{
    const forms::Rgb rgb = forms::colourOf(role);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace

ControlClass controlClassOf(const forms::ControlDesign& row)
{
    // A group of options is one tab stop, its first member's (Tab enters
    // the group, the arrow keys move within it).
    const bool stop =
        row.tabIndex != forms::kNoTabStop && !(row.kind == ControlKind::OptionButton && row.index > 0);
    const DWORD tabStop = stop ? WS_TABSTOP : 0;
    const DWORD edge = row.border == Border::FixedSingle ? WS_EX_CLIENTEDGE : 0;
    switch (row.kind) {
    case ControlKind::Frame:
        return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::TextBox:
        return {L"Edit", ES_AUTOHSCROLL | tabStop, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        return {L"Button", BS_PUSHBUTTON | tabStop, 0};
    case ControlKind::OptionButton:
        return {L"Button", BS_AUTORADIOBUTTON | tabStop, 0};
    case ControlKind::Picture:
        return {L"Static", SS_BITMAP | SS_CENTERIMAGE, edge};
    case ControlKind::Label:
        break;
    }
    const DWORD align = row.align == Align::Centre      ? SS_CENTER | SS_CENTERIMAGE
                        : row.align == Align::CentreTop ? SS_CENTER
                                                        : SS_LEFT;
    return {L"Static", align | SS_NOPREFIX | SS_NOTIFY, edge};
}

DesignedControls::~DesignedControls()
{
    deleteFonts();
}

void DesignedControls::deleteFonts()
{
    for (HFONT& font : fonts) {
        if (font)
            DeleteObject(font);
        font = nullptr;
    }
}

void DesignedControls::create(HWND parent, std::span<const forms::ControlDesign> table, int firstId,
                              DWORD (*styles)(const forms::ControlDesign&))
{
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    int id = firstId;
    for (const forms::ControlDesign& row : table) {
        ControlClass kind = controlClassOf(row);
        const DWORD own = styles ? styles(row) : 0;
        // A text box of many lines wraps them instead of scrolling sideways.
        if (own & ES_MULTILINE)
            kind.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
        const std::wstring caption = wide(row.caption);
        HWND window = CreateWindowExW(
            kind.exStyle, kind.name, caption.c_str(),
            WS_CHILD | (own & WS_DISABLED ? 0 : WS_VISIBLE) | kind.style | (own & ~WS_DISABLED), 0, 0, 0, 0,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        controls.push_back({&row, window});
    }
}

forms::TwipsRect DesignedControls::placeOf(const forms::ControlDesign& row) const
{
    forms::TwipsRect place = row.place;
    for (const Control& container : controls) {
        if (container.row->name == row.container && container.row->index == -1) {
            place.left += container.row->place.left;
            place.top += container.row->place.top;
        }
    }
    return place;
}

void DesignedControls::layout(int dpi)
{
    deleteFonts();
    for (std::size_t role = 0; role < fonts.size(); ++role)
        fonts[role] = createFont(static_cast<forms::FontRole>(role), dpi);
    for (const Control& control : controls) {
        const forms::TwipsRect place = placeOf(*control.row);
        SetWindowPos(control.window, nullptr, pixels(place.left, dpi), pixels(place.top, dpi),
                     pixels(place.width, dpi), pixels(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts[static_cast<std::size_t>(control.row->font)]), TRUE);
    }
}

HWND DesignedControls::find(std::string_view name, int index) const
{
    for (const Control& control : controls) {
        if (control.row->name == name && control.row->index == index)
            return control.window;
    }
    return nullptr;
}

const forms::ControlDesign* DesignedControls::rowOf(HWND window) const
{
    for (const Control& control : controls) {
        if (control.window == window)
            return control.row;
    }
    return nullptr;
}

HBRUSH DesignedControls::colour(HDC dc, HWND window) const
{
    const forms::ControlDesign* row = rowOf(window);
    if (!row)
        return nullptr;
    // The result and the text boxes stand on the text background; the rest
    // on the window's.
    const bool onText = row->colour == forms::ColourRole::Result || row->kind == ControlKind::TextBox;
    if (row->colour == forms::ColourRole::Default && !onText)
        return nullptr;
    const int background = onText ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, row->colour == forms::ColourRole::Default ? GetSysColor(COLOR_WINDOWTEXT)
                                                               : colourRef(row->colour));
    SetBkColor(dc, GetSysColor(background));
    return GetSysColorBrush(background);
}

} // namespace mrv::win32
