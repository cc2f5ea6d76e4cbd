#include "ApplicationSetup.h"
#include "CommandLine.h"
#include "frmMRVDate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // --help, --version and usage errors are answered before QApplication,
    // which would need a display; Qt's own options go on to it.
    if (const auto status = mrv::app::answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);
    frmMRVDate window;
    window.show();
    return mrv::ui::finishApplication(QApplication::exec());
}
