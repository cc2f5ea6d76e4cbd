#include "WindowDriver.h"

#include "Wide.h"

#include <stdexcept>
#include <thread>

namespace mrv::test {

namespace {

using win32::narrow;
using win32::wide;

INPUT key(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string textOf(HWND window)
{
    // WM_GETTEXT crosses processes for the standard controls.
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return narrow(text);
}

std::string classOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return narrow(name);
}

SeenControl seen(HWND control)
{
    SeenControl out{control, classOf(control), textOf(control), {}, 0, 0};
    GetWindowRect(control, &out.place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&out.place), 2);
    out.style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    out.exStyle = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
    return out;
}

std::vector<HWND> childrenOf(HWND window)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

ProgramUnderTest::ProgramUnderTest(const std::wstring& path)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start the program");
    waitFor([&] {
        main = FindWindowW(L"MRVDateMainWindow", nullptr);
        DWORD owner = 0;
        if (main)
            GetWindowThreadProcessId(main, &owner);
        return main && owner == process.dwProcessId && IsWindowVisible(main) && active() == main &&
               focus() != nullptr;
    });
    if (!main)
        throw std::runtime_error("the main window did not come");
    // Shares the program's input state, for settle().
    AttachThreadInput(GetCurrentThreadId(), process.dwThreadId, TRUE);
}

ProgramUnderTest::~ProgramUnderTest()
{
    AttachThreadInput(GetCurrentThreadId(), process.dwThreadId, FALSE);
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

HWND ProgramUnderTest::active() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process.dwThreadId, &info);
    return info.hwndActive;
}

HWND ProgramUnderTest::focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process.dwThreadId, &info);
    return info.hwndFocus;
}

HWND ProgramUnderTest::waitForWindow(const wchar_t* className, const std::string& title) const
{
    HWND found = nullptr;
    waitFor([&] {
        found = nullptr;
        for (HWND top = FindWindowExW(nullptr, nullptr, className, nullptr); top;
             top = FindWindowExW(nullptr, top, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(top, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(top) &&
                (title.empty() || textOf(top) == title))
                found = top;
        }
        return found && active() == found;
    });
    return found;
}

bool ProgramUnderTest::waitForActive(HWND window) const
{
    return waitFor([&] { return active() == window; });
}

bool ProgramUnderTest::hasEnded(std::chrono::milliseconds timeout) const
{
    return WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void ProgramUnderTest::press(WORD virtualKey, const std::vector<WORD>& modifiers) const
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(key(modifier, false));
    inputs.push_back(key(virtualKey, false));
    inputs.push_back(key(virtualKey, true));
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        inputs.push_back(key(*modifier, true));
    send(inputs);
    settle();
}

void ProgramUnderTest::type(const std::string& text) const
{
    std::vector<INPUT> inputs;
    for (wchar_t c : wide(text)) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    send(inputs);
    settle();
}

void ProgramUnderTest::click(HWND control) const
{
    RECT place;
    GetWindowRect(control, &place);
    const int x = (place.left + place.right) / 2, y = (place.top + place.bottom) / 2;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send({input});
    // Wine can deliver a button sent with the move at the pointer's old
    // place: the button goes once the pointer has arrived.
    waitFor([&] {
        POINT at{};
        return GetCursorPos(&at) && at.x == x && at.y == y;
    });
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    std::vector<INPUT> inputs{input};
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(input);
    send(inputs);
    settle();
}

void ProgramUnderTest::openMenu(WORD letter) const
{
    press(letter, {VK_MENU});
    waitFor([&] {
        for (HWND top = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); top;
             top = FindWindowExW(nullptr, top, L"#32768", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(top, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(top))
                return true;
        }
        return false;
    });
}

void ProgramUnderTest::settle() const
{
    // Input is handled in order: once a last key has reached the program
    // (its key state, shared with this thread, flips the key's toggle),
    // every key before it has too. F24 is no key of the program's. The
    // state may lag by a key after text typed as characters; the wait then
    // ends at its limit, which only slows the test.
    const bool toggled = GetKeyState(VK_F24) & 1;
    send({key(VK_F24, false), key(VK_F24, true)});
    waitFor([&] { return static_cast<bool>(GetKeyState(VK_F24) & 1) != toggled; },
            std::chrono::milliseconds(2000));
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
}

} // namespace mrv::test
