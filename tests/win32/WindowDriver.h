// Drives MRVDate.exe from another process under Wine, as a user would: it
// starts the program, sends real keyboard and mouse input (SendInput), and
// reads back what the windows show (class, caption, place, style, focus).
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace mrv::test {

// A control as another process sees it.
struct SeenControl {
    HWND window;
    std::string className;
    std::string text;
    RECT place; // in its parent's client pixels
    DWORD style;
    DWORD exStyle;
};

// Waits until `condition` holds, polling; false after `timeout`.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

std::string textOf(HWND window);
std::string classOf(HWND window);
SeenControl seen(HWND control);
// A window's children in z-order, which is their tab order.
std::vector<HWND> childrenOf(HWND window);

class ProgramUnderTest {
public:
    // Starts the program and waits for its main window, active.
    explicit ProgramUnderTest(const std::wstring& path);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    HWND mainWindow() const { return main; }
    // The program's active window and its focused control.
    HWND active() const;
    HWND focus() const;
    // The top-level window of class `className` the program shows above
    // the main window, waited for; null if none comes.
    HWND waitForWindow(const wchar_t* className, const std::string& title = {}) const;
    bool waitForActive(HWND window) const;
    bool hasEnded(std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) const;

    // Keys as the keyboard sends them: `modifiers` held around `key`.
    void press(WORD key, const std::vector<WORD>& modifiers = {}) const;
    void type(const std::string& text) const;
    void click(HWND control) const;
    // Alt and the menu's letter, then a wait until its drop-down shows, so
    // that the entry's letter is not typed into the window instead.
    void openMenu(WORD letter) const;
    // Sends the input and waits until the program has handled it.
    void settle() const;

private:
    PROCESS_INFORMATION process{};
    HWND main = nullptr;
};

} // namespace mrv::test
