#include "ApplicationSetup.h"
#include "frmMRVDate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Qt's own options (-platform, -style...) are honoured; the program has
    // none of its own.
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);
    frmMRVDate window;
    window.show();
    return mrv::ui::finishApplication(QApplication::exec());
}
