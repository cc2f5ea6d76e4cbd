#include "ApplicationSetup.h"

#include "ApplicationIdentity.h"
#include "UiStyle.h"

#include <QApplication>

namespace mrv::ui {

void setUpApplication(QApplication& app)
{
    applyApplicationIdentity(app);
    applyApplicationStyle(app);
    QApplication::setQuitOnLastWindowClosed(true);
}

} // namespace mrv::ui
