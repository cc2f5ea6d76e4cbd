// Whole conversions through the window: calendar chosen with the mouse,
// entry typed, Enter pressed; the line or the message box that follows.
#include "MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTimer>
#include <QtTest/QTest>

namespace mrv::test {
namespace {

// Nothing: no box, and the result and the calendar stay as they were.
enum class Shows { Line, OutOfRange, YearZero, NotANumber, Nothing };

const QString kNotANumber =
    QStringLiteral("Sorry, \"%1\" is not a date.  Please type a number: BC and BW years with a minus.");

struct ConversionRow {
    int calendar;
    const char* entry;
    Shows shows;
    const char* line;
};

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
    const ConversionRow rows[] = {
        {0, "361.98", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
        {1, "2002", Shows::Line, "SC 338.30  -  EY 2002 AD  -  BW 84"},
        {2, "2284", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
        {0, "11.47", Shows::Line, "SC 11.47  -  EY 30682 BC  -  BW 32767"},
        {0, "666.81", Shows::Line, "SC 666.81  -  EY 34853 AD  -  AW 32767"},
        {0, "11.46", Shows::OutOfRange, ""},
        {1, "-30682", Shows::Line, "SC 11.47  -  EY 30682 BC  -  BW 32767"},
        {1, "-1", Shows::Line, "SC 318.28  -  EY 1 BC  -  BW 2086"},
        {1, "34854", Shows::OutOfRange, ""},
        {2, "30681", Shows::Line, "SC 645.95  -  EY 32767 AD  -  AW 30681"},
        {2, "32767", Shows::Line, "SC 666.81  -  EY 34853 AD  -  AW 32767"},
        {2, "-32767.5", Shows::OutOfRange, ""},
        {2, "40000", Shows::OutOfRange, ""},
        {1, "0", Shows::YearZero, ""},
        {1, " 0", Shows::YearZero, ""},
        {1, "-0", Shows::YearZero, ""},
        {1, "1e-7", Shows::Line, "SC 318.28  -  EY 1E-07 AD  -  BW 2086"},
        {0, " 3 6 1 . 9 8 ", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
        {1, "753 BC", Shows::NotANumber, ""},
        {1, "19O4", Shows::NotANumber, ""},
        {0, "361,98", Shows::NotANumber, ""},
        {1, "<b>x</b>", Shows::NotANumber, ""},
        {2, "2284", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
        {1, "", Shows::Nothing, ""},
        {0, "   ", Shows::Nothing, ""},
    };
    for (const ConversionRow& row : rows)
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
    const ConversionRow rows[] = {
        {0, "361.98", Shows::Line, "SC 361,98  -  EY 4370 AD  -  AW 2284"},
        {1, "2002.7", Shows::Line, "SC 338,31  -  EY 2002,7 AD  -  BW 83"},
        {0, "361,98", Shows::Line, "SC 361,98  -  EY 4370 AD  -  AW 2284"},
        {0, "361,98.5", Shows::NotANumber, ""},
        {1, "0", Shows::YearZero, ""},
        {1, "0,0", Shows::YearZero, ""},
    };
    for (const ConversionRow& row : rows)
        convertThrough(row);
}

} // namespace
} // namespace mrv::test
