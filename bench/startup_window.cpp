// The program's start-up as app/main.cpp does it, ended at the main window's
// first paint for the start-up benchmark.
#include "FirstShow.h"
#include "app/ApplicationIdentity.h"
#include "ui/UiStyle.h"
#include "ui/frmMRVDate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    mrv::applyApplicationIdentity(app);
    mrv::ui::applyApplicationStyle(app);
    QApplication::setQuitOnLastWindowClosed(true);
    frmMRVDate window;
    new mrv::bench::EndAtFirstShow(window);
    window.show();
    return QApplication::exec();
}
