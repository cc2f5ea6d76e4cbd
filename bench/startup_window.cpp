// The program's start-up as app/main.cpp does it, ended at the main window's
// first paint for the start-up benchmark.
#include "ApplicationSetup.h"
#include "FirstShow.h"
#include "frmMRVDate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);
    frmMRVDate window;
    new mrv::bench::EndAtFirstShow(window);
    window.show();
    return QApplication::exec();
}
