// A form's window: its styles from its border, its size from its client
// size at the window's DPI, its centring on the screen in the form's order.
#pragma once

#include "FormDesign.h"

#include <windows.h>

namespace mrv::win32 {

// A main window can be minimised; neither kind resized or maximised.
DWORD formStyle(const forms::FormDesign& form);
DWORD formExStyle(const forms::FormDesign& form);

int dpiOf(HWND window);

// Gives the window the form's client size at `dpi` (the menu bar, if any,
// above it).
void sizeToForm(HWND window, const forms::FormDesign& form, int dpi);

// Left = (screen width − window width) / 2, Top likewise, by the outer
// size, in the form's order.
void centreOnScreen(HWND window, forms::CentreOrder order);

} // namespace mrv::win32
