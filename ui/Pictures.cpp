#include "Pictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace mrv::ui {

QPixmap loadPicture(const QString& resourcePath)
{
    QImageReader reader(resourcePath, QFileInfo(resourcePath).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace mrv::ui
