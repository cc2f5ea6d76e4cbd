// The test desktop theme as a platform theme plugin, loaded by
// QT_QPA_PLATFORMTHEME=mrv-desktop with QT_PLUGIN_PATH naming the folder
// above its platformthemes/. Like the themes desktops install, it gives its
// fonts and palette when the application starts, then once the event loop
// runs sets its general font and palette on the application again, over
// whatever the program set meanwhile, and its per-class fonts (which Qt
// drops when the application's font is set).
#include "DesktopTheme.h"

#include <QApplication>
#include <QObject>
#include <qpa/qplatformthemeplugin.h>

namespace {

class PluginTheme : public mrv::test::DesktopTheme {
public:
    PluginTheme()
    {
        QMetaObject::invokeMethod(
            &applier_,
            [] {
                QApplication::setFont(generalFont());
                for (const char* className :
                     {"QLabel", "QAbstractButton", "QPushButton", "QRadioButton", "QCheckBox", "QGroupBox",
                      "QLineEdit", "QTextEdit", "QMenu", "QMenuBar", "QMessageBoxLabel"})
                    QApplication::setFont(classFont(), className);
                QApplication::setPalette(darkPalette());
            },
            Qt::QueuedConnection);
    }

private:
    QObject applier_;
};

} // namespace

class DesktopThemePlugin : public QPlatformThemePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformThemeFactoryInterface_iid FILE "desktop_theme_plugin.json")
public:
    QPlatformTheme* create(const QString& key, const QStringList&) override
    {
        return key.compare(QLatin1String("mrv-desktop"), Qt::CaseInsensitive) == 0 ? new PluginTheme
                                                                                   : nullptr;
    }
};

#include "desktop_theme_plugin.moc"
