// The converter window in Win32: its controls drawn from the design
// (frmMRVDateDesign.h), its events handed to the window's rules
// (frmMRVDateRules.h), whose effects it carries out.
#pragma once

#include "DesignedControls.h"
#include "frmMRVDateRules.h"

#include <windows.h>

#include <array>

namespace mrv::win32 {

class frmMRVDate {
public:
    // Creates the window, loads it (centred, its picture chosen) and shows it.
    explicit frmMRVDate(HINSTANCE instance);
    frmMRVDate(const frmMRVDate&) = delete;
    frmMRVDate& operator=(const frmMRVDate&) = delete;

    // A message of the thread's loop that the window's keys take: the
    // menu's shortcut, Enter, Tab and the access keys.
    bool translate(MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(WORD id, WORD code, HWND control);
    void activate(bool active);
    void layout(int dpi);
    void createMenu();

    void cmdConvert_Click();

    void carryOut(const forms::mainWindow::Effects& effects);
    void carryOut(const forms::mainWindow::Effect& effect);
    void showPicture(int index);
    int chosenOption() const;

    HWND window = nullptr;
    HACCEL keys = nullptr;
    DesignedControls controls;
    std::array<HBITMAP, forms::mainWindow::kLibraryPictures.size()> pictures{};
    forms::mainWindow::Rules rules;
    int shownPicture = -1;
    int pictureDpi = 96;
    // The control that had the focus when the window was last deactivated,
    // given back when it is active again; that return is no GotFocus.
    HWND focused = nullptr;
    bool returning = false;
    HWND nextTabFrom = nullptr;
};

} // namespace mrv::win32
