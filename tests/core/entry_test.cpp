// Entries: the window's rule and the batch's strict reading refuse what is
// not wholly a number and otherwise answer exactly as the leading-number
// reading does.
#include "Entry.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using mrv::CalendarKind;
using mrv::Reading;
using Kind = mrv::ConversionOutcome::Kind;

struct Answer {
    Kind kind;
    std::string line;
    bool operator==(const Answer&) const = default;
};

Answer convertWhole(CalendarKind calendar, Reading reading, std::string_view text)
{
    mrv::ResultLine line;
    const Kind kind = mrv::convertEntry(calendar, reading, text, ".", line.text, line.at);
    return {kind, kind == Kind::Converted ? std::string(line.line()) : std::string()};
}

// The same entry fed to a reader in two pieces, cut at `cut`.
Answer convertFed(CalendarKind calendar, Reading reading, std::string_view text, std::size_t cut)
{
    mrv::EntryReader reader;
    reader.feed(text.substr(0, cut));
    reader.feed(text.substr(cut));
    mrv::ResultLine line;
    const Kind kind = reader.convert(calendar, reading, ".", line);
    return {kind, kind == Kind::Converted ? std::string(line.line()) : std::string()};
}

// Whether a text is wholly a number: strictly, blanks around it allowed,
// none inside; by the window's rule, blanks anywhere, and a blank text is
// nothing typed (Kind::NothingTyped), else Kind::Converted for a number.
struct Text {
    std::string_view text;
    bool strict;
    Kind window;
};
constexpr Kind N = Kind::Converted, NaN = Kind::NotANumber;
const std::vector<Text> kTexts = {{"2002", true, N},
                                  {" 2002\t", true, N},
                                  {"\n-84 ", true, N},
                                  {"+7", true, N},
                                  {"361.98", true, N},
                                  {"5.", true, N},
                                  {".5", true, N},
                                  {"3.6198e2", true, N},
                                  {"2E-3", true, N},
                                  {"&HFFFF", true, N},
                                  {"&o17", true, N},
                                  {"&H10000", true, N},
                                  {"1e309", true, N},
                                  {"000000000002002", true, N},
                                  {"", false, Kind::NothingTyped},
                                  {" \t\n ", false, Kind::NothingTyped},
                                  {"abc", false, NaN},
                                  {"2002abc", false, NaN},
                                  {"753 BC", false, NaN},
                                  {"BC 44", false, NaN},
                                  {"19O4", false, NaN},
                                  {"361,98", false, NaN},
                                  {"1 000", false, N},
                                  {" 3 6 1 . 9 8 ", false, N},
                                  {"- 5", false, N},
                                  {"&H 1 0", false, N},
                                  {"-", false, NaN},
                                  {".", false, NaN},
                                  {"1e", false, NaN},
                                  {"1e+", false, NaN},
                                  {"0x10", false, NaN},
                                  {"1.2.3", false, NaN},
                                  {"&H", false, NaN},
                                  {"&G1", false, NaN},
                                  {"&H1G", false, NaN},
                                  {"&H10000x", false, NaN},
                                  {"12\r3", false, NaN},
                                  {"2002\r", false, NaN},
                                  {"12:30", false, NaN},
                                  {"1d2", false, NaN},
                                  {"--5", false, NaN},
                                  {"$5", false, NaN},
                                  {"361\xc2\xa0.98", false, NaN}};

TEST(EntryReadings, RefuseWhatIsNotWhollyANumberAndOtherwiseAnswerAsTheLeadingNumber)
{
    for (CalendarKind calendar : {CalendarKind::SC, CalendarKind::EY, CalendarKind::AW}) {
        for (const auto& [text, whole, typed] : kTexts) {
            // Appended piece by piece: GCC 12 at -O3 warns of an overlapping copy
            // in "literal" + std::string.
            std::string label(1, '"');
            ((label += text) += "\" on ") += std::to_string(int(calendar));
            const Answer lenient = convertWhole(calendar, Reading::Lenient, text);
            const mrv::ConversionOutcome window = mrv::convert(calendar, text);
            const bool zero =
                calendar == CalendarKind::EY && lenient.line.find("EY 0 BC") != std::string::npos;
            const Answer typedAnswer = typed != Kind::Converted ? Answer{typed, {}}
                                       : zero                   ? Answer{Kind::YearZero, {}}
                                                                : lenient;
            EXPECT_EQ((Answer{window.kind, window.line}), typedAnswer) << label;
            const Answer strict = convertWhole(calendar, Reading::Strict, text);
            if (!whole) {
                EXPECT_EQ(strict.kind, Kind::NotANumber) << label;
            } else if (!zero) {
                EXPECT_EQ(strict, lenient) << label;
            }
            for (std::size_t cut = 0; cut <= text.size(); ++cut) {
                EXPECT_EQ(convertFed(calendar, Reading::Lenient, text, cut), lenient)
                    << label << " cut " << cut;
                EXPECT_EQ(convertFed(calendar, Reading::Strict, text, cut), strict)
                    << label << " cut " << cut;
            }
        }
    }
}

TEST(EntryReadings, TheWindowReadsTheCommaWhereTheLocaleWritesIt)
{
    const struct {
        std::string_view text;
        const char* line; // nullptr: not a number
    } rows[] = {{"361,98", "SC 361,98  -  EY 4370 AD  -  AW 2284"},
                {" 3 6 1 , 9 8 ", "SC 361,98  -  EY 4370 AD  -  AW 2284"},
                {"361.98", "SC 361,98  -  EY 4370 AD  -  AW 2284"},
                {"3,6198e2", "SC 361,98  -  EY 4370 AD  -  AW 2284"},
                {"361,98.5", nullptr},
                {"3,6,1", nullptr},
                {"361,", "SC 361,00  -  EY 4272 AD  -  AW 2186"}};
    for (const auto& [text, line] : rows) {
        const mrv::ConversionOutcome outcome = mrv::convert(CalendarKind::SC, text, ",");
        EXPECT_EQ(outcome.kind, line ? Kind::Converted : Kind::NotANumber) << text;
        EXPECT_EQ(outcome.line, line ? line : "") << text;
    }
}

TEST(EntryReadings, EveryZeroIsTheYearZeroOnEarthYears)
{
    for (std::string_view text : {"0", "00", "0.0", "-0", "+0", " 0 ", "0e5", "&H0", "1e-400"}) {
        EXPECT_EQ(mrv::convert(CalendarKind::EY, text).kind, Kind::YearZero) << text;
        EXPECT_EQ(convertWhole(CalendarKind::EY, Reading::Strict, text).kind, Kind::YearZero) << text;
        EXPECT_EQ(convertWhole(CalendarKind::EY, Reading::Lenient, text).kind,
                  text == "0" ? Kind::YearZero : Kind::Converted)
            << text;
        EXPECT_EQ(convertWhole(CalendarKind::AW, Reading::Strict, text).line,
                  "SC 339.14  -  EY 2086 AD  -  AW 0");
    }
}

} // namespace
