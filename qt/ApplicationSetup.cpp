#include "ApplicationSetup.h"

#include "ApplicationIdentity.h"
#include "DesignStyle.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace mrv::ui {

void setUpApplication(QApplication& app)
{
    applyApplicationIdentity(app);
    applyApplicationStyle(app);
    // The windows are laid out left to right, whatever Qt's -reverse option
    // or the user's language asks for.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setQuitOnLastWindowClosed(true);
}

int finishApplication(int status)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace mrv::ui
