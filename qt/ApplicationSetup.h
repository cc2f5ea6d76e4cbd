// The one set-up every QApplication of the program gets before its first
// window: the program itself, the window tests, the start-up benchmark and
// the window renderer all call it, so they all show the same windows.
#pragma once

class QApplication;

namespace mrv::ui {

// Name, version, desktop entry and icon, then the style, default font and
// a left-to-right layout.
// Closing the last window (the main window: the secondary windows are modal
// children of it) ends the program.
void setUpApplication(QApplication& app);

// Ends the program with `status` once its event loop has returned. On
// Wayland it ends the process there and then: Qt 6.4's Wayland client can
// wait forever for its event thread while it disconnects, and the program
// keeps nothing that its teardown would save. Elsewhere it returns `status`
// for main to return.
int finishApplication(int status);

} // namespace mrv::ui
