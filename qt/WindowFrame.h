// The frame (title bar and borders) a window manager puts around a window,
// known before the window is first shown.
#pragma once

#include <QMargins>

class QWindow;

namespace mrv::ui {

// The frame the window manager will give `window`, a created top-level
// window not shown yet, in device-independent pixels. On X11 it is asked of
// the window manager (_NET_REQUEST_FRAME_EXTENTS) and read back from the
// window; null margins where the platform cannot tell in advance, where no
// such window manager runs, or where it does not answer in time.
QMargins frameFromWindowManager(QWindow* window);

} // namespace mrv::ui
