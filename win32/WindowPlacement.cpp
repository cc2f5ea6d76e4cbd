#include "WindowPlacement.h"

#include "DesignedControls.h"

namespace mrv::win32 {

DWORD formStyle(const forms::FormDesign& form)
{
    // Not WS_CLIPCHILDREN: the group box paints round its siblings.
    const DWORD frame = WS_CAPTION | WS_SYSMENU;
    return form.border == forms::FormBorder::FixedSingle ? frame | WS_OVERLAPPED | WS_MINIMIZEBOX
                                                         : frame | WS_POPUP | DS_MODALFRAME;
}

DWORD formExStyle(const forms::FormDesign& form)
{
    return form.border == forms::FormBorder::FixedDialog ? WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT
                                                         : WS_EX_CONTROLPARENT;
}

int dpiOf(HWND window)
{
    const UINT dpi = GetDpiForWindow(window);
    return dpi ? static_cast<int>(dpi) : 96;
}

void sizeToForm(HWND window, const forms::FormDesign& form, int dpi)
{
    const int width = pixels(form.clientWidth, dpi);
    const int height = pixels(form.clientHeight, dpi);
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, formStyle(form), GetMenu(window) != nullptr, formExStyle(form),
                             static_cast<UINT>(dpi));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar wrapped onto two lines takes more than the estimate.
    RECT client;
    GetClientRect(window, &client);
    if (client.bottom != height || client.right != width)
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreOnScreen(HWND window, forms::CentreOrder order)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    RECT outer;
    GetWindowRect(window, &outer);
    const int left = screen.left + (screen.right - screen.left - (outer.right - outer.left)) / 2;
    const int top = screen.top + (screen.bottom - screen.top - (outer.bottom - outer.top)) / 2;
    const auto move = [window](int x, int y) {
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    if (order == forms::CentreOrder::LeftFirst) {
        move(left, outer.top);
        move(left, top);
    } else {
        move(outer.left, top);
        move(left, top);
    }
}

} // namespace mrv::win32
