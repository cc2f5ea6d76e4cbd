#include "Pictures.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace mrv::ui {

QPixmap loadPicture(const QString& resourcePath)
{
    QImageReader reader(resourcePath, QFileInfo(resourcePath).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap loadDesignPicture(const QString& resourcePath, qreal devicePixelRatio)
{
    // Drawn at 1x, 2x and 3x (tools/make-pictures.sh).
    const int scale = std::clamp(static_cast<int>(std::ceil(devicePixelRatio - 0.01)), 1, 3);
    QString path = resourcePath;
    if (scale > 1)
        path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    QPixmap picture = loadPicture(path);
    picture.setDevicePixelRatio(scale);
    return picture;
}

} // namespace mrv::ui
