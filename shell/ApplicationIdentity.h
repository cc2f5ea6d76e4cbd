// What the program is called and how it looks in the desktop: name, version
// and the icon that every window carries.
#pragma once

#include <QIcon>

class QGuiApplication;

namespace mrv {

// The application icon of every window: 16 and 32 pixels.
QIcon applicationIcon();

// Sets the application's name, version, desktop entry and window icon. Windows created
// afterwards inherit the icon.
void applyApplicationIdentity(QGuiApplication& app);

} // namespace mrv
