#include "ApplicationIdentity.h"

#include "Version.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace mrv {

QIcon applicationIcon()
{
    // The windows' icon holds the two sizes a window shows, 16 and 32, and
    // their renderings for 1.5 to 3 device pixels a pixel (Qt picks the
    // nearest); the larger drawings are for the desktop's menus and are
    // installed beside the program. PNG is
    // read by name: left to detect the format, the reader would load every
    // image-format plugin installed just to ask each about the file.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 96}) {
        QImageReader reader(QStringLiteral(":/icons/mrvdate-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

void applyApplicationIdentity(QGuiApplication& app)
{
    // No display name: Qt would append it to every window title.
    QGuiApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    app.setWindowIcon(applicationIcon());
}

} // namespace mrv
