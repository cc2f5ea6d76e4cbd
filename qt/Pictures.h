// The stored pictures, read as the windows show them.
#pragma once

#include <QPixmap>
#include <QString>

namespace mrv::ui {

// A stored picture, read with the format its name gives: left to detect
// the format, the reader would load every installed image plugin to ask.
QPixmap loadPicture(const QString& resourcePath);

// One of the program's own pictures, in the rendering drawn for a screen of
// `devicePixelRatio` (name@2x.png, name@3x.png beside name.png; the nearest
// larger one, which Qt scales down between), shown at the design's size.
QPixmap loadDesignPicture(const QString& resourcePath, qreal devicePixelRatio);

} // namespace mrv::ui
