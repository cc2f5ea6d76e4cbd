#include "Entry.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

using mrv::CalendarKind;
using mrv::ConversionOutcome;

namespace {

constexpr auto SC = CalendarKind::SC;
constexpr auto EY = CalendarKind::EY;
constexpr auto AW = CalendarKind::AW;

struct LineCase {
    std::optional<CalendarKind> calendar;
    const char* text;
    const char* line;
};

// Release 1.1.0's answers: its pairing and its reading, as
// mrvdate-convert --classic --lenient gives them.
ConversionOutcome classic(std::optional<CalendarKind> calendar, const char* text)
{
    mrv::ResultLine line;
    const auto kind = mrv::convertEntry(calendar, mrv::Reading::Lenient, text, ".", line.text, line.at,
                                        mrv::Pairing::Classic);
    return kind == ConversionOutcome::Kind::Converted ? ConversionOutcome::converted(std::string(line.line()))
                                                      : ConversionOutcome::refused(kind);
}

// Lines that both pairings give.
class ConvertedLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ConvertedLines, GiveTheExactLine)
{
    const auto& c = GetParam();
    EXPECT_EQ(mrv::convert(c.calendar, c.text), ConversionOutcome::converted(c.line)) << '"' << c.text << '"';
    EXPECT_EQ(classic(c.calendar, c.text), ConversionOutcome::converted(c.line)) << '"' << c.text << '"';
}

// Lines where the one count of years mends 1.1.0's.
class OneCountLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(OneCountLines, GiveTheExactLine)
{
    const auto& c = GetParam();
    EXPECT_EQ(mrv::convert(c.calendar, c.text), ConversionOutcome::converted(c.line)) << '"' << c.text << '"';
}

class ClassicLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ClassicLines, GiveTheExactLine)
{
    const auto& c = GetParam();
    EXPECT_EQ(classic(c.calendar, c.text), ConversionOutcome::converted(c.line)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Ordinary, ConvertedLines,
                         ::testing::Values(LineCase{SC, "361.98", "SC 361.98  -  EY 4370 AD  -  AW 2284"},
                                           LineCase{AW, "2284", "SC 361.98  -  EY 4370 AD  -  AW 2284"},
                                           LineCase{AW, "0", "SC 339.14  -  EY 2086 AD  -  AW 0"},
                                           LineCase{SC, "339.14", "SC 339.14  -  EY 2086 AD  -  AW 0"},
                                           LineCase{EY, "2002", "SC 338.30  -  EY 2002 AD  -  BW 84"},
                                           LineCase{std::nullopt, "361.98", "SC 0.00  -  EY 0 BC  -  AW 0"}));

INSTANTIATE_TEST_SUITE_P(Limits, ClassicLines,
                         ::testing::Values(LineCase{SC, "11.47", "SC 11.47  -  EY 30682 BC  -  BW 32767"},
                                           LineCase{SC, "666.81", "SC 666.81  -  EY 34853 AD  -  AW 32767"},
                                           LineCase{EY, "34853", "SC 666.81  -  EY 34853 AD  -  AW 32767"},
                                           LineCase{EY, "-30681", "SC 11.46  -  EY 30681 BC  -  BW 32767"},
                                           LineCase{AW, "30681", "SC 645.95  -  EY 32767 AD  -  AW 30681"},
                                           LineCase{AW, "-32767", "SC 11.47  -  EY 30681 BC  -  BW 32767"}));

INSTANTIATE_TEST_SUITE_P(AroundYearZero, ClassicLines,
                         ::testing::Values(LineCase{EY, "-1", "SC 318.26  -  EY 1 BC  -  BW 2087"},
                                           LineCase{SC, "318.28", "SC 318.28  -  EY 1 BC  -  BW 2086"},
                                           LineCase{SC, "318.27", "SC 318.27  -  EY 2 BC  -  BW 2087"},
                                           LineCase{SC, "318.29", "SC 318.29  -  EY 1 AD  -  BW 2085"},
                                           LineCase{AW, "-2086", "SC 318.28  -  EY 0 BC  -  BW 2086"},
                                           LineCase{AW, "-2087", "SC 318.27  -  EY 1 BC  -  BW 2087"}));

// The edges: each date and its answer typed back give one line, the limits
// one span; BC fractions follow the same count.
INSTANTIATE_TEST_SUITE_P(Edges, OneCountLines,
                         ::testing::Values(LineCase{EY, "-1", "SC 318.28  -  EY 1 BC  -  BW 2086"},
                                           LineCase{SC, "318.28", "SC 318.28  -  EY 1 BC  -  BW 2086"},
                                           LineCase{AW, "-2086", "SC 318.28  -  EY 1 BC  -  BW 2086"},
                                           LineCase{EY, "-44", "SC 317.85  -  EY 44 BC  -  BW 2129"},
                                           LineCase{SC, "317.85", "SC 317.85  -  EY 44 BC  -  BW 2129"},
                                           LineCase{AW, "32767", "SC 666.81  -  EY 34853 AD  -  AW 32767"},
                                           LineCase{EY, "-30682", "SC 11.47  -  EY 30682 BC  -  BW 32767"},
                                           LineCase{AW, "-32767", "SC 11.47  -  EY 30682 BC  -  BW 32767"},
                                           LineCase{EY, "-0.5", "SC 318.29  -  EY 0.5 BC  -  BW 2086"},
                                           LineCase{EY, "-1.5", "SC 318.27  -  EY 1.5 BC  -  BW 2086"}));

INSTANTIATE_TEST_SUITE_P(Fractions, ConvertedLines,
                         ::testing::Values(LineCase{EY, "2002.5", "SC 338.30  -  EY 2002.5 AD  -  BW 84"},
                                           LineCase{EY, "2002.7", "SC 338.31  -  EY 2002.7 AD  -  BW 83"},
                                           LineCase{EY, "0.5", "SC 318.29  -  EY 0.5 AD  -  BW 2086"},
                                           LineCase{AW, "1.5", "SC 339.16  -  EY 2088 AD  -  AW 2"},
                                           LineCase{AW, "2.5", "SC 339.16  -  EY 2088 AD  -  AW 2"},
                                           LineCase{SC, "361.985", "SC 361.98  -  EY 4370.5 AD  -  AW 2284"},
                                           LineCase{SC, "361.981",
                                                    "SC 361.98  -  EY 4370.102 AD  -  AW 2284"},
                                           LineCase{SC, "318.285", "SC 318.29  -  EY 0.5 BC  -  BW 2086"},
                                           LineCase{EY, "1e-7", "SC 318.28  -  EY 1E-07 AD  -  BW 2086"},
                                           LineCase{EY, "1e-9", "SC 318.28  -  EY 1E-09 AD  -  BW 2086"}));

INSTANTIATE_TEST_SUITE_P(Reading, ConvertedLines,
                         ::testing::Values(LineCase{SC, " 3 6 1 . 9 8 ",
                                                    "SC 361.98  -  EY 4370 AD  -  AW 2284"},
                                           LineCase{SC, "3.6198e2", "SC 361.98  -  EY 4370 AD  -  AW 2284"},
                                           LineCase{AW, "&H8FC", "SC 362.14  -  EY 4386 AD  -  AW 2300"},
                                           LineCase{AW, "&HFFFF", "SC 339.13  -  EY 2085 AD  -  BW 1"}));

struct RefusalCase {
    CalendarKind calendar;
    const char* text;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, AreOutOfRange)
{
    EXPECT_EQ(mrv::convert(GetParam().calendar, GetParam().text), ConversionOutcome::outOfRange())
        << '"' << GetParam().text << '"';
    EXPECT_EQ(classic(GetParam().calendar, GetParam().text), ConversionOutcome::outOfRange())
        << '"' << GetParam().text << '"';
}

class ClassicRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ClassicRefusals, AreOutOfRange)
{
    EXPECT_EQ(classic(GetParam().calendar, GetParam().text), ConversionOutcome::outOfRange())
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Limits, Refusals,
                         ::testing::Values(RefusalCase{SC, "11.46"}, RefusalCase{SC, "666.82"},
                                           RefusalCase{SC, "0"}, RefusalCase{SC, "-361.98"},
                                           RefusalCase{EY, "34854"}, RefusalCase{EY, "34853.0001"},
                                           RefusalCase{EY, "-30683"}, RefusalCase{EY, "-30682.0001"},
                                           RefusalCase{AW, "32767.5"}, RefusalCase{AW, "-32768"},
                                           RefusalCase{AW, "-32767.5"}));

INSTANTIATE_TEST_SUITE_P(Limits, ClassicRefusals,
                         ::testing::Values(RefusalCase{SC, "11.46"}, RefusalCase{SC, "666.82"},
                                           RefusalCase{SC, "0"}, RefusalCase{SC, "-361.98"},
                                           RefusalCase{EY, "34854"}, RefusalCase{EY, "34853.0001"},
                                           RefusalCase{EY, "-30682"}, RefusalCase{EY, "-30681.0001"},
                                           RefusalCase{AW, "30682"}, RefusalCase{AW, "32767"},
                                           RefusalCase{AW, "30681.5"}, RefusalCase{AW, "-32768"},
                                           RefusalCase{AW, "-32767.5"}));

// Entries too large for the working types get the same refusal, never a
// wrapped value.
INSTANTIATE_TEST_SUITE_P(Oversized, Refusals,
                         ::testing::Values(RefusalCase{SC, "1e309"}, RefusalCase{EY, "1e309"},
                                           RefusalCase{AW, "1e309"}, RefusalCase{SC, "-1e309"},
                                           RefusalCase{SC, "1e37"}, RefusalCase{SC, "-1e37"},
                                           RefusalCase{AW, "32768"}, RefusalCase{AW, "40000"},
                                           RefusalCase{AW, "-32768.6"}, RefusalCase{AW, "1e300"},
                                           RefusalCase{AW, "&H10000"}, RefusalCase{EY, "&O200000"},
                                           RefusalCase{SC, "&H1FFFF"}));

TEST(YearZero, OnlyOnEarthYears)
{
    EXPECT_EQ(mrv::convert(EY, "0"), ConversionOutcome::yearZero());
    EXPECT_EQ(mrv::convert(AW, "0").kind, ConversionOutcome::Kind::Converted);
    EXPECT_EQ(mrv::convert(SC, "0"), ConversionOutcome::outOfRange());
}

TEST(DecimalSeparator, AppliesToEveryWrittenNumber)
{
    EXPECT_EQ(mrv::convert(SC, "361.98", ",").line, "SC 361,98  -  EY 4370 AD  -  AW 2284");
    EXPECT_EQ(mrv::convert(SC, "361.985", ",").line, "SC 361,98  -  EY 4370,5 AD  -  AW 2284");
    EXPECT_EQ(mrv::convert(EY, "2002.5", ",").line, "SC 338,30  -  EY 2002,5 AD  -  BW 84");
    // What the window writes can be typed back; one point to a number.
    EXPECT_EQ(mrv::convert(SC, " 3 6 1 , 9 8 ", ",").line, "SC 361,98  -  EY 4370 AD  -  AW 2284");
    EXPECT_EQ(mrv::convert(SC, "361,98.5", ",").kind, ConversionOutcome::Kind::NotANumber);
}

TEST(NotANumberMessage, NamesTheEntryCutAtACharacter)
{
    const std::string tail = "\" is not a date.  Please type a number: BC and BW years with a minus.";
    const std::string forty = "2002 is the year of the coronation of a\xc3\xa9"; // 40 characters
    EXPECT_EQ(mrv::notANumberMessage("753 BC"), "Sorry, \"753 BC" + tail);
    EXPECT_EQ(mrv::notANumberMessage(forty), "Sorry, \"" + forty + tail);
    EXPECT_EQ(mrv::notANumberMessage(forty + "\xc3\xa9"), "Sorry, \"" + forty + "..." + tail);
}

std::string twoDecimals(int hundredfold)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%02d", hundredfold / 100, hundredfold % 100);
    return buffer;
}

// The AW year on a line, signed (BW years negative).
int awYearOf(const std::string& line)
{
    auto bw = line.rfind("BW ");
    if (bw != std::string::npos)
        return -std::stoi(line.substr(bw + 3));
    return std::stoi(line.substr(line.rfind("AW ") + 3));
}

TEST(WholeRange, EveryTwoDecimalScEntryConvertsToItsAwYear)
{
    for (int h = 1147; h <= 66681; ++h) {
        ConversionOutcome out = mrv::convert(SC, twoDecimals(h));
        ASSERT_EQ(out.kind, ConversionOutcome::Kind::Converted) << twoDecimals(h);
        ASSERT_EQ(out.line.substr(0, 3 + twoDecimals(h).size() + 2), "SC " + twoDecimals(h) + "  ")
            << out.line;
        ASSERT_EQ(awYearOf(out.line), h - 33914) << out.line;
    }
}

TEST(WholeRange, EveryAwYearRoundTripsThroughItsScText)
{
    for (int aw = -32767; aw <= 30681; ++aw) {
        ConversionOutcome out = mrv::convert(AW, std::to_string(aw));
        ASSERT_EQ(out.kind, ConversionOutcome::Kind::Converted) << aw;
        ASSERT_EQ(awYearOf(out.line), aw) << out.line;
        std::string scText = out.line.substr(3, out.line.find(' ', 3) - 3);
        ConversionOutcome back = mrv::convert(SC, scText);
        ASSERT_EQ(back.kind, ConversionOutcome::Kind::Converted) << scText;
        ASSERT_EQ(awYearOf(back.line), aw) << scText;
    }
}

// Every whole year of the span, from each calendar: the line from EY, from
// the SC date that line gives and from its AW year are one line.
TEST(WholeRange, EveryYearGivesOneLineFromEveryCalendar)
{
    int checked = 0;
    for (int ey = -30682; ey <= 34853; ++ey) {
        if (ey == 0)
            continue;
        const ConversionOutcome out = mrv::convert(EY, std::to_string(ey).c_str());
        ASSERT_EQ(out.kind, ConversionOutcome::Kind::Converted) << ey;
        const std::string scText = out.line.substr(3, out.line.find(' ', 3) - 3);
        ASSERT_EQ(mrv::convert(SC, scText), out) << ey;
        ASSERT_EQ(mrv::convert(AW, std::to_string(awYearOf(out.line))), out) << ey;
        ASSERT_EQ(awYearOf(out.line), ey > 0 ? ey - 2086 : ey - 2085) << out.line;
        ++checked;
    }
    EXPECT_EQ(checked, 65535); // 30682 BC to 34853 AD, three conversions each
    RecordProperty("years", checked);
}

TEST(WholeRange, ClassicEveryWholeEarthYearAgreesWithTheAwPath)
{
    for (int ey = -30681; ey <= 34853; ++ey) {
        if (ey == 0)
            continue;
        ConversionOutcome out = classic(EY, std::to_string(ey).c_str());
        ASSERT_EQ(out.kind, ConversionOutcome::Kind::Converted) << ey;
        ASSERT_EQ(awYearOf(out.line), ey - 2086) << out.line;
        if (ey - 2086 <= 30681 && ey > 0) {
            // For AD years both paths tell the same SC date.
            ConversionOutcome viaAw = classic(AW, std::to_string(ey - 2086).c_str());
            ASSERT_EQ(out.line, viaAw.line) << ey;
        }
    }
}

TEST(CalendarNames, ParseInAnyCase)
{
    EXPECT_EQ(mrv::calendarFromName("sc"), SC);
    EXPECT_EQ(mrv::calendarFromName("EY"), EY);
    EXPECT_EQ(mrv::calendarFromName("Aw"), AW);
    EXPECT_EQ(mrv::calendarFromName("a"), std::nullopt);
    EXPECT_EQ(mrv::calendarFromName("awx"), std::nullopt);
    EXPECT_EQ(mrv::calendarFromName("3c"), std::nullopt);
}

// The table's limits are the ones the conversion applies: each converts,
// and the next date beyond it is out of range.
TEST(CalendarTable, LimitsConvertAndOneStepBeyondIsRefused)
{
    using Kind = ConversionOutcome::Kind;
    for (const mrv::CalendarFacts& calendar : mrv::kCalendars) {
        const double step = calendar.kind == SC ? 0.01 : 1.0;
        const std::pair<double, Kind> cases[] = {{calendar.lowest, Kind::Converted},
                                                 {calendar.highest, Kind::Converted},
                                                 {calendar.lowest - step, Kind::OutOfRange},
                                                 {calendar.highest + step, Kind::OutOfRange}};
        for (const auto& [value, kind] : cases) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", value);
            EXPECT_EQ(mrv::convert(calendar.kind, text).kind, kind) << calendar.id << ' ' << text;
        }
    }
}

TEST(CalendarTable, InWordsNamesEachCalendarWithItsLabel)
{
    EXPECT_EQ(mrv::calendarsInWords(&mrv::CalendarFacts::prefix),
              "Space Century (SC), Earth Year (EY) and After War (AW)");
    EXPECT_EQ(mrv::calendarsInWords(&mrv::CalendarFacts::id),
              "Space Century (sc), Earth Year (ey) and After War (aw)");
}

} // namespace
