// Look shared by every window: its units and fonts.
//
// Every window is a form designed in twips for an 8.25 pt sans-serif UI
// font at 96 dpi: each position and size below is the form's, and the
// captions were sized for that font. "Design" in the names here means those
// measurements.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QApplication;
class QColor;
class QPixmap;
class QWidget;

namespace mrv::ui {

// A twip is 1/1440 inch, 15 to a device-independent pixel at 96 dpi, so
// Qt's high-DPI scaling scales whole windows.
constexpr int twips(int t)
{
    return (t * 2 + 15) / 30;
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

// WCAG's contrast ratio of two colours, 1 to 21: whether a text reads on
// its background.
double contrast(const QColor& a, const QColor& b);

// The forms' family, "MS Sans Serif", where it is installed;
// otherwise Liberation Sans (tools/setup-deps.sh installs it), whose widths
// come closest; otherwise the platform's default face. Chosen explicitly:
// left to fontconfig, a missing family silently becomes a wider face
// (DejaVu Sans) and cuts the captions.
QString designFamily();

// That family at the given size, complete: set on a window's contents it
// holds for every control inside, whatever fonts the desktop's platform
// theme gives the application or each class of control.
QFont designFont(qreal pointSize = 8.25, bool bold = false);

// A stored picture, read with the format its name gives: left to detect
// the format, the reader would load every installed image plugin to ask.
QPixmap loadPicture(const QString& resourcePath);

// Centres a top-level window on the screen the user works on (the one
// holding the active window, else the primary), from its outer size, frame
// and title bar included: Left = (screen width - width) / 2, Top likewise.
// The windows differ in which of the two they set first.
// On Wayland the compositor places every window, so nothing is moved there.
enum class CentreOrder { LeftFirst, TopFirst };
void centreOnScreen(QWidget* window, CentreOrder order);

// Sets the style used by every window: Fusion, with the classic 13-pixel
// option and check indicators and a narrow gap before their captions, so the
// captions fit their controls. The design font becomes the application's
// default too, for the menu bar, its menus and the message boxes; a desktop
// that sets fonts of its own wins there, as it should.
void applyApplicationStyle(QApplication& app);

} // namespace mrv::ui
