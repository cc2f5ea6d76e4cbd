// The stored pictures, read as the windows show them.
#pragma once

#include <QPixmap>
#include <QString>

namespace mrv::ui {

// A stored picture, read with the format its name gives: left to detect
// the format, the reader would load every installed image plugin to ask.
QPixmap loadPicture(const QString& resourcePath);

} // namespace mrv::ui
