// Whole conversions through the window: calendar chosen with the mouse,
// entry typed, Enter pressed; the line or the message box that follows (the
// cases the Windows window's tests share, ConversionCases.h).
#include "ConversionCases.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTimer>
#include <QtTest/QTest>

namespace mrv::test {
namespace {

using cases::ConversionRow;
using cases::Shows;

const QString kNotANumber = QString::fromUtf8(cases::kNotANumberText);

class MainWindowConversions : public MainWindowTest {
protected:
    void convertThrough(const ConversionRow& row)
    {
        SCOPED_TRACE(std::string("calendar ") + std::to_string(row.calendar) + " entry \"" + row.entry +
                     "\"");
        clickOption(row.calendar);
        type(QString::fromUtf8(row.entry));
        if (!*row.entry)
            press(Qt::Key_Delete); // the whole entry is selected
        ASSERT_EQ(dateBox->text(), QString::fromUtf8(row.entry));
        if (row.shows == Shows::Line || row.shows == Shows::Nothing) {
            const QString before = result->text();
            // No box is expected; one that comes anyway is closed, not waited
            // for.
            bool unexpectedBox = false;
            QTimer guard;
            guard.setSingleShot(true);
            QObject::connect(&guard, &QTimer::timeout, [&] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    unexpectedBox = true;
                    modal->close();
                }
            });
            guard.start(2000);
            press(Qt::Key_Return);
            guard.stop();
            EXPECT_FALSE(unexpectedBox);
            EXPECT_EQ(result->text(), row.shows == Shows::Line ? QString::fromUtf8(row.line) : before);
            EXPECT_EQ(QApplication::focusWidget(), dateBox);
            return;
        }
        const ShownBox box = answerBox([&] { press(Qt::Key_Return); });
        switch (row.shows) {
        case Shows::Line:
        case Shows::Nothing:
            break;
        case Shows::NotANumber:
            EXPECT_EQ(box.text, kNotANumber.arg(QString::fromUtf8(row.entry)));
            EXPECT_EQ(box.format, Qt::PlainText);
            [[fallthrough]];
        case Shows::OutOfRange:
            EXPECT_EQ(box.icon, QMessageBox::Critical);
            EXPECT_EQ(box.title, QStringLiteral("Morvane Date Converter"));
            EXPECT_TRUE(result->text().isEmpty());
            // The entry is there to be typed over.
            EXPECT_EQ(QApplication::focusWidget(), dateBox);
            EXPECT_EQ(dateBox->selectedText(), dateBox->text());
            break;
        case Shows::YearZero:
            EXPECT_TRUE(box.shown);
            EXPECT_EQ(box.title, QStringLiteral("MRV Date Convertor"));
            EXPECT_TRUE(result->text().isEmpty());
            break;
        }
    }
};

TEST_F(MainWindowConversions, EachCalendarItsLimitsAndBothRefusals)
{
    for (const ConversionRow& row : cases::kConversions)
        convertThrough(row);
}

TEST_F(MainWindowConversions, ALongEntryIsNamedByItsFirstCharacters)
{
    clickOption(1);
    const QString entry =
        QStringLiteral("2002 is the year of the coronation of ") + QString(30'000, QLatin1Char('x'));
    QGuiApplication::clipboard()->setText(entry);
    press(Qt::Key_V, Qt::ControlModifier);
    const ShownBox box = answerBox([&] { press(Qt::Key_Return); });
    EXPECT_EQ(box.text, kNotANumber.arg(entry.left(40) + QStringLiteral("...")));
}

// Numbers are written with the user's decimal separator, and entries are
// read with it as well as with ".".
class MainWindowCommaLocale : public MainWindowConversions {
protected:
    void SetUp() override
    {
        saved = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindowConversions::SetUp();
    }
    void TearDown() override
    {
        MainWindowConversions::TearDown();
        QLocale::setDefault(saved);
    }
    QLocale saved;
};

TEST_F(MainWindowCommaLocale, LinesUseTheCommaAndEntriesReadItAndThePoint)
{
    for (const ConversionRow& row : cases::kCommaConversions)
        convertThrough(row);
}

} // namespace
} // namespace mrv::test
