// Where a window first stands on the screen.
#pragma once

#include "FormDesign.h"

class QWidget;

namespace mrv::ui {

// Centres a top-level window on the screen the user works on (the one
// holding the active window, else the primary), from its outer size, frame
// and title bar included: Left = (screen width - width) / 2, Top likewise.
// The windows' designs say which of the two they set first.
// On Wayland the compositor places every window, so nothing is moved there.
using forms::CentreOrder;
void centreOnScreen(QWidget* window, CentreOrder order);

} // namespace mrv::ui
