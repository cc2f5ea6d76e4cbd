#include "OpenWebPage.h"

#include <QDesktopServices>
#include <QUrl>

namespace mrv {
void OpenWebPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}
} // namespace mrv
