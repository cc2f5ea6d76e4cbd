#include "ApplicationIdentity.h"

#include "app/Version.h"

#include <QGuiApplication>
#include <QString>

namespace mrv {

QIcon applicationIcon()
{
    // The windows' icon holds the design's two sizes; the larger drawings are
    // for the desktop's menus and are installed beside the program. Each file
    // added is decoded at once, which start-up pays for.
    QIcon icon;
    for (int size : {16, 32})
        icon.addFile(QStringLiteral(":/icons/mrvdate-%1.png").arg(size), QSize(size, size));
    return icon;
}

void applyApplicationIdentity(QGuiApplication& app)
{
    // No display name: Qt would append it to every window title.
    QGuiApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.mrvdate"));
    app.setWindowIcon(applicationIcon());
}

} // namespace mrv
