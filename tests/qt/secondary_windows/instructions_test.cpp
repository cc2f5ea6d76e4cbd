// The Instructions window's text: exact, two paragraphs, fully visible, and
// out of the user's reach.
#include "DialogTestSupport.h"
#include "frmInstructions.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace mrv::test;

namespace {

const QString kPieces[] = {
    QStringLiteral("Use the radio buttons to choose the calendar you wish to convert "),
    QStringLiteral("from (the two-letter prefix in front of the date box will change accordingly), then "),
    QStringLiteral(
        "enter the date you wish to convert in the date box.  Press Enter or click the 'Convert' "),
    QStringLiteral("button and the program will display your entered date on the other two calendars that "),
    QStringLiteral("Morvane supports."),
    QStringLiteral("\r\n"),
    QStringLiteral("\r\n"),
    QStringLiteral("To convert a BC date on the Gregorian (EY) calendar, or a BW date on the AW calendar, "),
    QStringLiteral("simply place a negative sign in front of the date when you enter it in the date box."),
};

QString expectedText()
{
    QString text;
    for (const QString& piece : kPieces)
        text += piece;
    return text;
}

// Counts the focus arriving at a widget, however briefly.
struct FocusInCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            ++count;
        return false;
    }
};

QTextEdit* textBox(QWidget& dialog)
{
    return dialog.findChild<QTextEdit*>(QStringLiteral("txtInstructions"));
}

TEST(InstructionsText, IsTheNinePiecesJoined)
{
    EXPECT_EQ(frmInstructions::instructionsText(), expectedText());
}

TEST(InstructionsText, ShowsTwoParagraphsWithOneEmptyLine)
{
    frmInstructions dialog;
    const QTextEdit* box = textBox(dialog);
    ASSERT_NE(box, nullptr);
    // The box keeps line breaks as paragraph ends.
    EXPECT_EQ(box->toPlainText(),
              QString(expectedText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const QTextDocument* doc = box->document();
    ASSERT_EQ(doc->blockCount(), 3);
    EXPECT_TRUE(doc->findBlockByNumber(0).text().endsWith(QStringLiteral("Morvane supports.")));
    EXPECT_TRUE(doc->findBlockByNumber(1).text().isEmpty());
    EXPECT_TRUE(doc->findBlockByNumber(2).text().endsWith(QStringLiteral("in the date box.")));
}

// Wrapped at word boundaries inside the box, every line visible without a
// scroll bar, in the fonts the program resolves.
TEST(InstructionsText, WrapsAndFitsWithoutScrolling)
{
    ASSERT_TRUE(runModal(instructionsKind(), [](QDialog& dialog) {
        QTextEdit* box = textBox(dialog);
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(box->lineWrapMode(), QTextEdit::WidgetWidth);
        EXPECT_EQ(box->wordWrapMode(), QTextOption::WordWrap);
        QTextDocument* doc = box->document();
        EXPECT_LE(doc->size().height(), box->viewport()->height());
        EXPECT_LE(doc->size().width(), box->viewport()->width());
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
        int lines = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            lines += b.layout()->lineCount();
        EXPECT_GT(lines, doc->blockCount()) << "the paragraphs should wrap";
    }));
}

TEST(InstructionsText, ClickingOrTabbingIntoItLeavesFocusOnOk)
{
    ASSERT_TRUE(runModal(instructionsKind(), [](QDialog& dialog) {
        QTextEdit* box = textBox(dialog);
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        FocusInCounter visits;
        box->installEventFilter(&visits);

        click(box->viewport(), Qt::LeftButton, QPoint(40, 20));
        EXPECT_EQ(QApplication::focusWidget(), ok);
        doubleClick(box->viewport(), QPoint(60, 20));
        EXPECT_EQ(QApplication::focusWidget(), ok);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), ok);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), ok);
        EXPECT_GE(visits.count, 3) << "the box should be reached and left again";

        // A right click offers no menu with Paste in it.
        click(box->viewport(), Qt::RightButton, QPoint(40, 20));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), ok);
        EXPECT_TRUE(dialog.isVisible());
    }));
}

TEST(InstructionsText, TypingNeverChangesIt)
{
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    ASSERT_TRUE(runModal(instructionsKind(), [](QDialog& dialog) {
        QTextEdit* box = textBox(dialog);
        const QString before = box->toPlainText();
        click(box->viewport(), Qt::LeftButton, QPoint(40, 20));
        QWindow* window = dialog.windowHandle();
        for (char c : {'x', 'y', 'z'})
            QTest::keyClick(window, c);
        for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Delete})
            QTest::keyClick(window, k);
        QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(box->toPlainText(), before);
        EXPECT_TRUE(dialog.isVisible());
    }));
}

} // namespace
