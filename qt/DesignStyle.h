// The style every window is drawn in.
#pragma once

class QApplication;

namespace mrv::ui {

// Sets the style used by every window: Fusion, with the classic 13-pixel
// option and check indicators and a narrow gap before their captions, so the
// captions fit their controls. The design font becomes the application's
// default too, for the menu bar, its menus and the message boxes; a desktop
// that sets fonts of its own wins there, as it should.
void applyApplicationStyle(QApplication& app);

} // namespace mrv::ui
