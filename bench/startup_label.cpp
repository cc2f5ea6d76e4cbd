// Anchor for the start-up benchmark: a bare window with one text label, so
// that the cost of showing any text at all (fonts) is measured on its own.
#include "FirstShow.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Timeline Date Converter"));
    new mrv::bench::EndAtFirstShow(window);
    window.show();
    return QApplication::exec();
}
