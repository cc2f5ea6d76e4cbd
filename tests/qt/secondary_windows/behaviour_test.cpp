// What both secondary windows share: centred, modal, OK focused, closed by
// OK in every way and by the close box, never by Escape; fresh each time;
// modal over the main window.
#include "DialogTestSupport.h"
#include "QtTestHelpers.h"
#include "frmMRVDate.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace mrv::test;

namespace {

class SecondaryWindow : public ::testing::TestWithParam<const DialogKind*> {};

std::string kindName(const ::testing::TestParamInfo<const DialogKind*>& info)
{
    return info.param->name;
}

QPushButton* okButton(QDialog& dialog)
{
    return dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
}

TEST_P(SecondaryWindow, ShownCentredWithOkFocusedAndModal)
{
    ASSERT_TRUE(runModal(*GetParam(), [](QDialog& dialog) {
        const QRect screen = dialog.screen()->geometry();
        const QRect outer = dialog.frameGeometry();
        EXPECT_LE(std::abs(outer.left() - screen.left() - (screen.width() - outer.width()) / 2), 1);
        EXPECT_LE(std::abs(outer.top() - screen.top() - (screen.height() - outer.height()) / 2), 1);
        EXPECT_EQ(QApplication::focusWidget(), okButton(dialog));
        EXPECT_TRUE(okButton(dialog)->isDefault());
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    }));
}

struct CloseRow {
    const char* name;
    std::function<void(QDialog&)> act;
    bool closes;
};

void key(QDialog& dialog, Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(dialog.windowHandle(), k, modifiers);
}

const CloseRow kCloseRows[] = {
    {"Return", [](QDialog& d) { key(d, Qt::Key_Return); }, true},
    {"KeypadEnter", [](QDialog& d) { key(d, Qt::Key_Enter, Qt::KeypadModifier); }, true},
    {"Space", [](QDialog& d) { key(d, Qt::Key_Space); }, true},
    {"AltO", [](QDialog& d) { key(d, Qt::Key_O, Qt::AltModifier); }, true},
    {"ClickOk", [](QDialog& d) { click(okButton(d)); }, true},
    {"CloseBox", [](QDialog& d) { d.windowHandle()->close(); }, true},
    {"Escape", [](QDialog& d) { key(d, Qt::Key_Escape); }, false},
};

class ClosingKeys : public ::testing::TestWithParam<std::tuple<const DialogKind*, CloseRow>> {};

TEST_P(ClosingKeys, CloseOnlyTheWayOkDoes)
{
    const auto& [kind, row] = GetParam();
    bool stillOpen = false;
    ASSERT_TRUE(runModal(*kind, [&, &row = row](QDialog& dialog) {
        row.act(dialog);
        if (row.closes) {
            EXPECT_TRUE(waitClosed(dialog));
        } else {
            QCoreApplication::processEvents();
            stillOpen = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
            // The window is still usable afterwards.
            key(dialog, Qt::Key_Return);
            EXPECT_TRUE(waitClosed(dialog));
        }
    }));
    EXPECT_EQ(stillOpen, !row.closes);
}

INSTANTIATE_TEST_SUITE_P(Both, ClosingKeys,
                         ::testing::Combine(::testing::Values(&instructionsKind(), &aboutKind()),
                                            ::testing::ValuesIn(kCloseRows)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)->name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// A showing leaves nothing behind: moved or not, the next one is a new
// window, centred again and identical.
TEST_P(SecondaryWindow, EachShowingIsFresh)
{
    QRect firstGeometry;
    QStringList firstTexts;
    auto texts = [](QDialog& dialog) {
        QStringList out;
        for (QWidget* w : dialog.findChildren<QWidget*>())
            out << w->objectName() + QLatin1Char('|') + w->property("text").toString() +
                       w->property("plainText").toString();
        return out;
    };
    ASSERT_TRUE(runModal(*GetParam(), [&](QDialog& dialog) {
        firstGeometry = dialog.geometry();
        firstTexts = texts(dialog);
        dialog.move(dialog.pos() + QPoint(40, 30));
        click(okButton(dialog));
    }));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_NE(w->metaObject()->className(), "frm" + std::string(GetParam()->name)) << "a window survived";

    ASSERT_TRUE(runModal(*GetParam(), [&](QDialog& dialog) {
        EXPECT_EQ(dialog.geometry(), firstGeometry);
        EXPECT_EQ(texts(dialog), firstTexts);
        EXPECT_EQ(QApplication::focusWidget(), okButton(dialog));
    }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

struct HelpCommand {
    const DialogKind* kind;
    Qt::Key accessKey;
};

class FromTheHelpMenu : public ::testing::TestWithParam<HelpCommand> {};

// Help > Instructions and Help > About, chosen with the keyboard in the real
// main window: while the window is open the main window takes neither
// clicks nor keys; after OK it takes both again.
TEST_P(FromTheHelpMenu, ShowsTheWindowModallyOverTheMainWindow)
{
    frmMRVDate main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    auto* dateBox = main.findChild<QLineEdit*>(QStringLiteral("txtInputBox"));
    auto* convert = main.findChild<QPushButton*>(QStringLiteral("cmdConvert"));
    auto* result = main.findChild<QLabel*>(QStringLiteral("lblDateBox"));
    ASSERT_TRUE(dateBox && convert && result);
    const QString resultBefore = result->text();

    QString shownClass;
    const bool answered = mrv::test::answerNextModal(
        [&] {
            QTest::keyClick(main.windowHandle(), Qt::Key_H, Qt::AltModifier);
            if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
                return;
            QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), GetParam().accessKey);
        },
        [&](QWidget* modal) {
            shownClass = QString::fromLatin1(modal->metaObject()->className());
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            click(convert);
            QTest::keyClick(main.windowHandle(), Qt::Key_5);
            EXPECT_EQ(dateBox->text(), QString());
            EXPECT_EQ(result->text(), resultBefore);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_TRUE(dialog->isModal());
            // The main window's own dialog, kept above it by the desktop.
            EXPECT_EQ(dialog->parentWidget(), &main);
            EXPECT_EQ(dialog->windowHandle()->transientParent(), main.windowHandle());
            key(*dialog, Qt::Key_Return);
        });
    ASSERT_TRUE(answered);
    EXPECT_EQ(shownClass, QStringLiteral("frm") + QLatin1String(GetParam().kind->name));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Enter belonged to the window, not to the main window's Convert.
    EXPECT_EQ(result->text(), resultBefore);

    // Handing activation back is the window manager's part.
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    dateBox->setText(QStringLiteral("361.98")); // an empty entry converts nothing
    click(convert);
    EXPECT_NE(result->text(), resultBefore);
}

INSTANTIATE_TEST_SUITE_P(Both, FromTheHelpMenu,
                         ::testing::Values(HelpCommand{&instructionsKind(), Qt::Key_I},
                                           HelpCommand{&aboutKind(), Qt::Key_B}),
                         [](const auto& info) { return std::string(info.param.kind->name); });

INSTANTIATE_TEST_SUITE_P(Both, SecondaryWindow, ::testing::Values(&instructionsKind(), &aboutKind()),
                         kindName);

} // namespace
