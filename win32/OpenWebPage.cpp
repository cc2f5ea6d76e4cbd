#include "OpenWebPage.h"

#include <windows.h>

namespace mrv::win32 {

namespace {

using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// Bound from the shell's DLL at the first use, not at start-up.
ShellExecuteAFunction shellExecuteA()
{
    HMODULE shell = LoadLibraryA("shell32.dll");
    return shell ? reinterpret_cast<ShellExecuteAFunction>(
                       reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteA")))
                 : nullptr;
}

} // namespace

void OpenWebPage(const char* address)
{
    static const ShellExecuteAFunction open = shellExecuteA();
    // The addresses are ASCII, the same in every 8-bit code page. What the
    // shell answers is not looked at: no browser simply shows no page.
    if (open)
        open(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace mrv::win32
