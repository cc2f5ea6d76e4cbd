// The main window as created: controls, geometry, look, menu, pictures,
// and that every caption of every window fits its control.
#include "ApplicationSetup.h"
#include "CaptionFit.h"
#include "MainWindowFixture.h"

#include "DesignUnits.h"
#include "QtTestHelpers.h"
#include "frmAbout.h"
#include "frmInstructions.h"
#include "frmMRVDateDesign.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest/QTest>

#include <cmath>

using namespace mrv::test;

namespace mrv::test {
namespace {

namespace design = mrv::forms::mainWindow;
namespace text = mrv::texts::frmMRVDate;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The design's place, converted by the tests' own twips.
QRect designRect(const mrv::forms::TwipsRect& place)
{
    return mrv::test::designRect(place.left, place.top, place.width, place.height);
}

class MainWindowLayout : public MainWindowTest {};

TEST_F(MainWindowLayout, EveryControlHasItsDesignNameContainerCaptionAndGeometry)
{
    for (const design::Control& row : design::kControls) {
        SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
        QWidget* w = row.index < 0 ? window->findChild<QWidget*>(fromView(row.name))
                                   : groupMember(window.get(), fromView(row.name), row.index);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), fromView(row.container));
        EXPECT_EQ(w->geometry(), designRect(row.place));
        EXPECT_EQ(captionOf(w), fromView(row.caption));
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_EQ(window->findChildren<QRadioButton*>().size(), 3);
}

// The design's family where it is installed, else the metric match that the
// package depends on.
QString expectedFamily()
{
    return QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
               ? QStringLiteral("MS Sans Serif")
               : QStringLiteral("Liberation Sans");
}

// Qt's -reverse option sets a right-to-left layout while the application is
// made, before the set-up runs; so does a right-to-left language.
TEST_F(MainWindowLayout, StaysLeftToRightWhenTheApplicationWasReversed)
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    mrv::ui::setUpApplication(*qApp);
    SetUp();
    EXPECT_TRUE(window->isLeftToRight());
    EXPECT_TRUE(window->menuBar()->isLeftToRight());
    EXPECT_TRUE(window->menuBar()->actions().constFirst()->menu()->isLeftToRight());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

TEST_F(MainWindowLayout, FontsFollowTheDesign)
{
    const QString family = expectedFamily();
    const struct {
        const char* name;
        qreal points;
        bool bold;
    } rows[] = {
        {"Label1", 8.25, true},       {"Frame1", 8.25, false},     {"lblDatePrefix", 8.25, true},
        {"txtInputBox", 8.25, false}, {"cmdConvert", 8.25, false}, {"Label2", 8.25, false},
        {"lblDateBox", 12, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto* w = window->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->font().family(), family);
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), row.points);
        EXPECT_EQ(w->font().bold(), row.bold);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(option(i)->font().family(), family);
        EXPECT_DOUBLE_EQ(option(i)->font().pointSizeF(), 8.25);
        EXPECT_FALSE(option(i)->font().bold());
        // The family is one that exists, never a silent substitute.
        EXPECT_EQ(QFontInfo(option(i)->font()).family(), family);
    }
}

TEST_F(MainWindowLayout, ResultBoxIsRedOnTheTextBackgroundCentredAndBordered)
{
    EXPECT_EQ(result->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(result->backgroundRole(), QPalette::Base);
    EXPECT_TRUE(result->autoFillBackground());
    EXPECT_TRUE(result->alignment() & Qt::AlignHCenter);
    EXPECT_GT(result->frameWidth(), 0);

    // As drawn: pure red text, the text background inside the border.
    result->setText(QStringLiteral("SC 361.98  -  EY 4370 AD  -  AW 2284"));
    const QImage drawn = result->grab().toImage();
    int red = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            red += drawn.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 100);
    const QPoint inside = result->contentsRect().topLeft() + QPoint(1, 1);
    EXPECT_EQ(drawn.pixelColor(inside), result->palette().color(QPalette::Base));
    EXPECT_NE(drawn.pixelColor(0, drawn.height() - 1), result->palette().color(QPalette::Base))
        << "the border shows on every side";
}

// The first column of `image` at or after `from` that holds a pixel of
// text (antialiased: far from the background's lightness), or -1.
int firstInkColumn(const QImage& image, QColor background, int from)
{
    for (int x = from; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (std::abs(image.pixelColor(x, y).lightness() - background.lightness()) > 96)
                return x;
    return -1;
}

// As drawn: the frame's title and edge, and each option's caption where the
// style's indicator and spacing put it (the caption drawn alone there).
TEST_F(MainWindowLayout, FrameAndOptionCaptionsAreDrawn)
{
    auto* frame = window->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    ASSERT_NE(frame, nullptr);
    const QColor background = frame->palette().color(QPalette::Window);
    const QImage drawnFrame = frame->grab().toImage();
    const QImage titleStrip = drawnFrame.copy(0, 0, drawnFrame.width(), frame->fontMetrics().height());
    EXPECT_GE(firstInkColumn(titleStrip, background, 0), 0) << "no title drawn";
    EXPECT_NE(drawnFrame.pixelColor(drawnFrame.width() / 2, drawnFrame.height() - 1), background)
        << "no bottom edge drawn";

    for (int i = 0; i < 3; ++i) {
        QRadioButton* button = option(i);
        SCOPED_TRACE(button->text().toStdString());
        QStyleOptionButton style;
        style.initFrom(button);
        style.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, button);
        EXPECT_EQ(contents.left(), 13 + 2) << "indicator and spacing";
        QImage alone(button->size(), QImage::Format_ARGB32_Premultiplied);
        alone.fill(background);
        QPainter painter(&alone);
        painter.setFont(button->font());
        painter.setPen(button->palette().color(QPalette::WindowText));
        painter.drawText(contents, Qt::AlignVCenter | Qt::TextShowMnemonic, button->text());
        painter.end();
        const int ink = firstInkColumn(button->grab().toImage(), background, 13);
        EXPECT_GE(ink, 13) << "no caption drawn";
        EXPECT_EQ(ink, firstInkColumn(alone, background, 0));
    }
}

TEST_F(MainWindowLayout, WindowHasItsTitleFixedSizeNoMaximiseAndConvertAsDefault)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMRVDate"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Morvane Timeline Date Converter"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(492, 187));
    EXPECT_EQ(window->size(), QSize(492, 187 + window->menuBar()->height()));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QList<QSize> iconSizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(convertButton->isDefault());

    const QSize before = window->size();
    window->resize(800, 600);
    EXPECT_EQ(window->size(), before);
}

TEST_F(MainWindowLayout, LoadCentresTheWindowOnTheScreen)
{
    const QRect screen = window->screen()->geometry();
    const QRect outer = window->frameGeometry();
    EXPECT_LE(std::abs(outer.left() - (screen.width() - outer.width()) / 2), 1);
    EXPECT_LE(std::abs(outer.top() - (screen.height() - outer.height()) / 2), 1);
}

TEST_F(MainWindowLayout, TabVisitsDateBoxConvertThenTheOptionGroup)
{
    // The options are one tab stop, entered at the first; the arrow keys
    // move inside the group.
    QWidget* expected[] = {convertButton, option(0), dateBox, convertButton};
    ASSERT_EQ(QApplication::focusWidget(), dateBox);
    for (QWidget* next : expected) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    for (QWidget* label : window->findChildren<QLabel*>())
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("Frame1"))->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowLayout, HelpMenuHasItsFiveEntriesInOrder)
{
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    QMenu* help = bar[0]->menu();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->objectName(), QStringLiteral("mnuHelp"));
    EXPECT_EQ(help->title(), fromView(text::mnuHelp));

    const struct {
        const char* name;
        std::string_view caption;
        const char* shortcut;
    } rows[] = {
        {"mnuHelpInstructions", text::mnuHelpInstructions, ""}, {"mnuHelpAbout", text::mnuHelpAbout, ""},
        {"mnuHelpWebsite", text::mnuHelpWebsite, ""},           {"Line1", "", ""},
        {"mnuHelpExit", text::mnuHelpExit, "Ctrl+X"},
    };
    const QList<QAction*> entries = help->actions();
    ASSERT_EQ(entries.size(), std::size(rows));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(entries[i]->objectName(), QLatin1String(rows[i].name));
        EXPECT_EQ(entries[i]->text(), fromView(rows[i].caption));
        EXPECT_EQ(entries[i]->isSeparator(), i == 3);
        EXPECT_EQ(entries[i]->shortcut(), QKeySequence(QLatin1String(rows[i].shortcut)));
        EXPECT_TRUE(entries[i]->isEnabled());
    }
}

TEST_F(MainWindowLayout, LibraryImagesAreHiddenAndOnlyTheShownOneIsDecoded)
{
    int decoded = 0;
    for (int i = 0; i < frmMRVDate::kLibraryPictures; ++i) {
        SCOPED_TRACE(i);
        auto* image =
            qobject_cast<mrv::ui::PictureBox*>(groupMember(window.get(), QStringLiteral("imgLibrary"), i));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->geometry(), designRect(design::libraryPicturePlace(i)));
        EXPECT_FALSE(image->isVisible());
        decoded += !image->pixmap().isNull();
    }
    EXPECT_EQ(decoded, 1);
}

TEST_F(MainWindowLayout, MainPictureIsTheChosenLibraryPictureInsideASingleBorder)
{
    auto* main = window->findChild<mrv::ui::PictureBox*>(QStringLiteral("imgMain"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->frameWidth(), 2);
    EXPECT_EQ(main->contentsRect(), QRect(2, 2, 114, 163));
    const int index = window->shownPictureIndex();
    ASSERT_GE(index, 0);
    ASSERT_LE(index, 6);
    auto* chosen =
        qobject_cast<mrv::ui::PictureBox*>(groupMember(window.get(), QStringLiteral("imgLibrary"), index));
    EXPECT_EQ(main->pixmap().size(), QSize(114, 163));
    EXPECT_EQ(main->pixmap().toImage(), chosen->picture().toImage());
}

TEST(WindowCaptionsFit, EveryCaptionOfEveryWindowIsWhole)
{
    frmMRVDate main;
    frmInstructions instructions;
    frmAbout about;
    for (QWidget* window :
         {static_cast<QWidget*>(&main), static_cast<QWidget*>(&instructions), static_cast<QWidget*>(&about)})
        for (const std::string& misfit : captionMisfits(window))
            ADD_FAILURE() << misfit;
}

TEST(WindowCaptionsFit, LongestOrdinaryResultLinesFitTheResultBox)
{
    frmMRVDate window;
    auto* box = window.findChild<QLabel*>(QStringLiteral("lblDateBox"));
    const QFontMetrics fm(box->font());
    for (const char* line :
         {"SC 361.98  -  EY 4370.102 AD  -  AW 2284", "SC 11.47  -  EY 30682 BC  -  BW 32767",
          "SC 666.81  -  EY 34853 AD  -  AW 32767", "SC 318.29  -  EY 0.5 BC  -  BW 2086"}) {
        EXPECT_LE(fm.horizontalAdvance(QLatin1String(line)), box->contentsRect().width()) << line;
        EXPECT_LE(fm.height(), box->contentsRect().height()) << line;
    }
}

} // namespace
} // namespace mrv::test
