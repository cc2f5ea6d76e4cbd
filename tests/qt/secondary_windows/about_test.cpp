// The About window's link label and picture.
#include "DialogTestSupport.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace mrv::test;

namespace {

QLabel* link(QWidget& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("lblHyperlink"));
}

TEST(AboutLink, ShowsTheUpdateHostInPlainBlue)
{
    frmAbout dialog;
    QLabel* label = link(dialog);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("get.example.org"));
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(label->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(label->font().underline());
    EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST(AboutLink, EachClickOpensTheUpdateSiteOnceAndTheWindowStays)
{
    UrlRecorder recorder;
    ASSERT_TRUE(runModal(aboutKind(), [&](QDialog& dialog) {
        QLabel* label = link(dialog);
        click(label);
        EXPECT_EQ(recorder.opened, QStringList{QStringLiteral("http://get.example.org")});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);

        click(label);
        EXPECT_EQ(recorder.opened.size(), 2);

        // Neither another button nor a press that leaves the label clicks it.
        click(label, Qt::RightButton);
        press(label);
        release(&dialog, QPoint(5, 5));
        EXPECT_EQ(recorder.opened.size(), 2);
        EXPECT_TRUE(dialog.isVisible());
    }));
}

TEST(AboutLink, ADoubleClickOpensTheSiteOnce)
{
    UrlRecorder recorder;
    ASSERT_TRUE(runModal(aboutKind(), [&](QDialog& dialog) {
        doubleClick(link(dialog));
        EXPECT_EQ(recorder.opened.size(), 1);
    }));
}

TEST(AboutLink, OtherLabelsAndThePictureDoNothing)
{
    UrlRecorder recorder;
    ASSERT_TRUE(runModal(aboutKind(), [&](QDialog& dialog) {
        QList<QWidget*> inert{dialog.findChild<QWidget*>(QStringLiteral("Image1")),
                              dialog.findChild<QWidget*>(QStringLiteral("Label1")),
                              dialog.findChild<QWidget*>(QStringLiteral("Label2")),
                              dialog.findChild<QWidget*>(QStringLiteral("Label4"))};
        for (int index = 0; index < 5; ++index)
            inert << groupMember(&dialog, QStringLiteral("Label3"), index);
        for (QWidget* w : inert) {
            ASSERT_NE(w, nullptr);
            click(w);
            doubleClick(w);
        }
        EXPECT_TRUE(recorder.opened.isEmpty());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QWidget*>(QStringLiteral("cmdOK")));
    }));
}

// The label never takes the focus, so assistive technology reaches it as a
// link with a press action.
TEST(AboutLink, IsALinkToAssistiveTechnology)
{
    UrlRecorder recorder;
    frmAbout dialog;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link(dialog));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Link);
    EXPECT_EQ(face->text(QAccessible::Name), link(dialog)->text());
    EXPECT_FALSE(face->text(QAccessible::Description).isEmpty());
    ASSERT_NE(face->actionInterface(), nullptr);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(recorder.opened, QStringList{QStringLiteral("http://get.example.org")});

    QAccessibleInterface* ok =
        QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>(QStringLiteral("cmdOK")));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(QAccessible::Name), QStringLiteral("OK"));
}

TEST(AboutPicture, ShownAtItsNaturalSizeWithTransparency)
{
    frmAbout dialog;
    auto* image = dialog.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    const QPixmap picture = image->pixmap();
    ASSERT_FALSE(picture.isNull()) << "the picture resource is missing";
    EXPECT_EQ(picture.size(), QSize(38, 58));
    EXPECT_EQ(picture.size(), image->size());
    EXPECT_TRUE(picture.hasAlphaChannel());
    EXPECT_FALSE(image->hasScaledContents());
}

} // namespace
