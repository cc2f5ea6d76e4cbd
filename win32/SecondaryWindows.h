// The Instructions and About windows: each loaded when shown, shown modally
// above `owner` (which takes no input meanwhile) with the focus on OK, and
// unloaded by OK, Enter, Space, Alt+O or the close box.
#pragma once

#include <windows.h>

namespace mrv::win32 {

void showInstructions(HWND owner);
void showAbout(HWND owner);

} // namespace mrv::win32
