// Baseline for the start-up benchmark: a bare Qt window, shown and ended the
// same way as startup_window.
#include "FirstShow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    new mrv::bench::EndAtFirstShow(window);
    window.show();
    return QApplication::exec();
}
