// Look shared by every window: the design's units (twips) and fonts.
#pragma once

#include <QFont>
#include <QRect>

class QApplication;

namespace mrv::ui {

// The design is in twips, 15 to a device-independent pixel at 96 DPI, so
// Qt's high-DPI scaling scales the whole design.
constexpr int twips(int t)
{
    return (t * 2 + 15) / 30;
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

// The design's "MS Sans Serif" at the given size, or its substitute where
// that family does not exist.
QFont designFont(qreal pointSize = 8.25, bool bold = false);

// Sets the application style and default font used by every window.
void applyApplicationStyle(QApplication& app);

} // namespace mrv::ui
