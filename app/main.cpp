#include "ui/UiStyle.h"
#include "ui/frmMRVDate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    mrv::ui::applyApplicationStyle(app);
    frmMRVDate window;
    window.show();
    return app.exec();
}
