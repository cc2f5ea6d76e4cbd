// The three windows under a desktop's platform theme (the test theme plugin,
// tests/support/DesktopTheme.h): large fonts of other families for the
// application and for each class of control, and a dark palette. CTest runs
// this program twice: once without the theme, writing renders of the
// windows (Reference.*), then under the theme (UnderADesktopTheme.*), where
// the controls below the menu bar must render exactly as without it, every
// caption must fit, and every text must read against its background.
#include "CaptionFit.h"
#include "Contrast.h"
#include "DesktopTheme.h"
#include "QtTestHelpers.h"
#include "frmAbout.h"
#include "frmInstructions.h"
#include "frmMRVDate.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextEdit>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace mrv::test {
namespace {

// The folder the reference run writes its renders to and the run under the
// theme reads them from.
QDir renderFolder()
{
    return QDir(QString::fromLocal8Bit(qgetenv("MRV_RENDER_FOLDER")));
}

void showAndSettle(QWidget* window)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // The theme sets its font and palette again once events run, as the
    // desktops' themes do; that must have happened before anything is
    // measured.
    QCoreApplication::processEvents();
}

// Converts a date from the keyboard, so the result box shows a line.
void convertFromTheKeyboard(frmMRVDate& window)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* date = window.findChild<QLineEdit*>(QStringLiteral("txtInputBox"));
    ASSERT_NE(date, nullptr);
    QTest::keyClicks(date, QStringLiteral("361.98"));
    QTest::keyClick(date, Qt::Key_Return);
    auto* result = window.findChild<QLabel*>(QStringLiteral("lblDateBox"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !result->text().isEmpty(); }));
}

// The windows as the user sees them, each with the part whose fonts are the
// design's: the main window's controls below the menu bar, and the whole of
// each secondary window.
struct Scene {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const Scene kScenes[] = {
    {"main", [] { return std::make_unique<frmMRVDate>(); }},
    {"main-result",
     [] {
         auto window = std::make_unique<frmMRVDate>();
         showAndSettle(window.get());
         convertFromTheKeyboard(*window);
         return std::unique_ptr<QWidget>(std::move(window));
     }},
    {"instructions", [] { return std::make_unique<frmInstructions>(); }},
    {"about", [] { return std::make_unique<frmAbout>(); }},
};

QWidget* designedPart(QWidget* window)
{
    if (auto* main = qobject_cast<QMainWindow*>(window))
        return main->centralWidget();
    return window;
}

// The scene drawn in the style's own light colours, and with the first
// library picture rather than a random one, so that the run under the dark
// theme draws the same pixels wherever fonts and geometry agree.
QImage render(const Scene& scene)
{
    // A caret that blinks would be drawn or not by the time of the grab.
    QApplication::setCursorFlashTime(0);
    std::unique_ptr<QWidget> window = scene.make();
    showAndSettle(window.get());
    if (auto* shown = window->findChild<mrv::ui::PictureBox*>(QStringLiteral("imgMain"))) {
        auto* first =
            qobject_cast<mrv::ui::PictureBox*>(groupMember(window.get(), QStringLiteral("imgLibrary"), 0));
        shown->setPicture(first->picture());
    }
    window->setPalette(QApplication::style()->standardPalette());
    return designedPart(window.get())->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour of a control's text and the colour behind it, as the style
// draws them from the control's palette.
struct TextColours {
    QColor text;
    QColor ground;
};

TextColours textColours(QWidget* w)
{
    const QPalette& p = w->palette();
    if (qobject_cast<QPushButton*>(w))
        return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w))
        return {p.color(QPalette::Text), p.color(QPalette::Base)};
    // Labels, options, the frame's title: their own background where they
    // fill it, else their container's.
    QWidget* ground = w;
    while (!ground->autoFillBackground() && !ground->isWindow())
        ground = ground->parentWidget();
    return {p.color(w->foregroundRole()), ground->palette().color(ground->backgroundRole())};
}

TEST(Reference, WritesTheRenders)
{
    ASSERT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORMTHEME"));
    const QDir folder = renderFolder();
    ASSERT_TRUE(QDir().mkpath(folder.path()));
    for (const Scene& scene : kScenes) {
        SCOPED_TRACE(scene.name);
        const QImage image = render(scene);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(folder.filePath(QLatin1String(scene.name) + QStringLiteral(".png"))));
    }
}

TEST(UnderADesktopTheme, TheThemesFontsAndPaletteAreTheApplicationsAndTheControlClasses)
{
    frmMRVDate window;
    showAndSettle(&window);
    const QFont general = DesktopTheme::generalFont();
    EXPECT_EQ(QApplication::font().family(), general.family()) << "the theme plugin did not load";
    EXPECT_EQ(QApplication::font().pointSizeF(), general.pointSizeF());
    QLabel label;
    QPushButton button;
    EXPECT_EQ(QApplication::font(&label).family(), DesktopTheme::classFont().family());
    EXPECT_EQ(QApplication::font(&button).pointSizeF(), DesktopTheme::classFont().pointSizeF());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              DesktopTheme::darkPalette().color(QPalette::Window));
}

TEST(UnderADesktopTheme, ControlsRenderAsWithoutIt)
{
    const QDir folder = renderFolder();
    for (const Scene& scene : kScenes) {
        SCOPED_TRACE(scene.name);
        const QString name = QLatin1String(scene.name);
        const QImage reference(folder.filePath(name + QStringLiteral(".png")));
        ASSERT_FALSE(reference.isNull()) << "no reference render in " << folder.path().toStdString();
        const QImage themed = render(scene);
        ASSERT_EQ(themed.size(), reference.size());
        int differing = 0;
        for (int y = 0; y < themed.height(); ++y)
            for (int x = 0; x < themed.width(); ++x)
                differing +=
                    themed.pixel(x, y) != reference.convertToFormat(QImage::Format_RGB32).pixel(x, y);
        if (differing) {
            const QString path = folder.filePath(name + QStringLiteral("-themed.png"));
            themed.save(path);
            ADD_FAILURE() << differing << " pixels differ; see " << path.toStdString();
        }
    }
}

TEST(UnderADesktopTheme, EveryCaptionFitsInEveryWindowAndMessageBox)
{
    frmMRVDate main;
    frmInstructions instructions;
    frmAbout about;
    for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&instructions),
                            static_cast<QWidget*>(&about)}) {
        showAndSettle(window);
        for (const std::string& misfit : captionMisfits(window))
            ADD_FAILURE() << misfit;
    }
    instructions.hide();
    about.hide();

    // Both refusals: out of range, then the year zero, on Earth years.
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    auto* date = main.findChild<QLineEdit*>(QStringLiteral("txtInputBox"));
    QTest::keyClick(date, Qt::Key_E, Qt::AltModifier);
    for (const char* entry : {"99999", "0"}) {
        SCOPED_TRACE(entry);
        date->setText(QLatin1String(entry));
        bool seen = false;
        answerNextModal([&] { QTest::keyClick(date, Qt::Key_Return); },
                        [&](QWidget* modal) {
                            seen = qobject_cast<QMessageBox*>(modal) != nullptr;
                            for (const std::string& misfit : captionMisfits(modal))
                                ADD_FAILURE() << misfit;
                            modal->close();
                        });
        EXPECT_TRUE(seen);
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
}

// Made under the dark palette, and made under a light one with the desktop
// turning dark while they are open: no colour stays as it was made.
TEST(UnderADesktopTheme, EveryTextReadsOnTheDarkPalette)
{
    QCoreApplication::processEvents(); // the theme's own settings first
    for (const bool turnedDarkLater : {false, true}) {
        SCOPED_TRACE(turnedDarkLater ? "turned dark while open" : "made dark");
        if (turnedDarkLater)
            QApplication::setPalette(QApplication::style()->standardPalette());
        frmMRVDate main;
        showAndSettle(&main);
        convertFromTheKeyboard(main);
        frmInstructions instructions;
        frmAbout about;
        const QList<QWidget*> windows{&main, &instructions, &about};
        for (QWidget* window : windows)
            showAndSettle(window);
        if (turnedDarkLater) {
            QApplication::setPalette(DesktopTheme::darkPalette());
            QCoreApplication::processEvents();
        }
        ASSERT_LT(QApplication::palette().color(QPalette::Window).lightness(), 64);

        for (QWidget* window : windows) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(window) || (captionOf(w).isEmpty() && !qobject_cast<QTextEdit*>(w)))
                    continue;
                SCOPED_TRACE(window->objectName().toStdString() + "/" + w->objectName().toStdString());
                const TextColours colours = textColours(w);
                // 3:1, the least for bold or large text; the design's red on
                // white reaches 4.0.
                EXPECT_GE(mrv::ui::contrast(colours.text, colours.ground), 3.0)
                    << colours.text.name().toStdString() << " on " << colours.ground.name().toStdString();
            }
        }

        // As drawn: the result box's red on the desktop's text background.
        auto* result = main.findChild<QLabel*>(QStringLiteral("lblDateBox"));
        const QImage drawn = result->grab().toImage();
        const QColor base = QApplication::palette().color(QPalette::Base);
        EXPECT_EQ(drawn.pixelColor(result->contentsRect().topLeft() + QPoint(1, 1)), base);
        int red = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                red += drawn.pixelColor(x, y) == QColor(255, 0, 0);
        EXPECT_GT(red, 100);
    }
}

} // namespace
} // namespace mrv::test
