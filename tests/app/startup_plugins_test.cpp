// The program's start-up up to the main window's first paint loads no
// image-format plugin: every picture it shows is read by QtGui itself.
// Qt's plugin debug output names each library it loads; this program
// collects those lines and fails if one is an image-format plugin.
#include "ApplicationSetup.h"
#include "frmMRVDate.h"

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

QStringList imagePluginsLoaded;

void recordPluginLoads(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("/imageformats/")) &&
        message.contains(QLatin1String("loaded library")))
        imagePluginsLoaded << message;
}

// Ends the event loop once the window's first paint has been flushed.
class EndAfterFirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_DEBUG_PLUGINS", "1");
    qInstallMessageHandler(recordPluginLoads);
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);
    frmMRVDate window;
    EndAfterFirstPaint end;
    window.installEventFilter(&end);
    window.show();
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
    const int status = QApplication::exec();
    qInstallMessageHandler(nullptr);
    if (status != 0 || !end.painted) {
        std::fprintf(stderr, "the window was never painted\n");
        return 1;
    }
    for (const QString& line : imagePluginsLoaded)
        std::fprintf(stderr, "before the first paint: %s\n", qPrintable(line));
    return imagePluginsLoaded.isEmpty() ? 0 : 1;
}
