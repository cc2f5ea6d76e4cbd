// The forms' font: the face and sizes every window was designed with.
#pragma once

#include <QFont>
#include <QString>

namespace mrv::ui {

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

} // namespace mrv::ui
