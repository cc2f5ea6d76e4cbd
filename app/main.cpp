#include "app/ApplicationIdentity.h"
#include "ui/UiStyle.h"
#include "ui/frmMRVDate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Qt's own options (-platform, -style...) are honoured; the program has
    // none of its own.
    QApplication app(argc, argv);
    mrv::applyApplicationIdentity(app);
    mrv::ui::applyApplicationStyle(app);
    // Closing the main window ends the program: the secondary windows are
    // modal children and never outlive it.
    QApplication::setQuitOnLastWindowClosed(true);
    frmMRVDate window;
    window.show();
    return QApplication::exec();
}
