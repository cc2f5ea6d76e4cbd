// Renders each window of the program to a PNG file without a display, for
// review and for the README's screenshot:
//   mrv-render-windows [output-folder]
// writes main.png (as first shown), main-result.png (after one conversion),
// instructions.png and about.png. Only the client area and menu bar are
// drawn; the title bar belongs to the window manager.
#include "ApplicationSetup.h"
#include "frmAbout.h"
#include "frmInstructions.h"
#include "frmMRVDate.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

bool save(QWidget& window, const QDir& folder, const char* name)
{
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name));
    const bool ok = window.grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);

    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    bool ok = true;
    {
        frmMRVDate window;
        ok &= save(window, folder, "main.png");
    }
    {
        frmMRVDate window;
        window.show();
        // The first entry chooses Space Century, as typing does.
        if (auto* date = window.findChild<QLineEdit*>(QStringLiteral("txtInputBox")))
            date->setText(QStringLiteral("361.98"));
        if (auto* convert = window.findChild<QPushButton*>(QStringLiteral("cmdConvert")))
            convert->click();
        ok &= save(window, folder, "main-result.png");
    }
    {
        frmInstructions window;
        ok &= save(window, folder, "instructions.png");
    }
    {
        frmAbout window;
        ok &= save(window, folder, "about.png");
    }
    return ok ? 0 : 1;
}
