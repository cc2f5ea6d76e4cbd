// Entries: the strict reading and the window's (the batch's Typed) refuse
// what is not wholly a number and otherwise answer exactly as the
// leading-number reading does.
#include "Entry.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using mrv::CalendarKind;
using mrv::Reading;
using EntryKind = mrv::ConversionOutcome::Kind;

struct Answer {
    EntryKind kind;
    std::string line;
    bool operator==(const Answer&) const = default;
};

Answer convertWhole(CalendarKind calendar, Reading reading, std::string_view text,
                    mrv::Pairing pairing = mrv::Pairing::OneCount)
{
    mrv::ResultLine line;
    const EntryKind kind = mrv::convertEntry(calendar, reading, text, ".", line.text, line.at, pairing);
    return {kind, kind == EntryKind::Converted ? std::string(line.line()) : std::string()};
}

// The same entry fed to a reader in two pieces, cut at `cut`.
Answer convertFed(CalendarKind calendar, Reading reading, std::string_view text, std::size_t cut)
{
    mrv::EntryReader reader(reading);
    reader.feed(text.substr(0, cut));
    reader.feed(text.substr(cut));
    mrv::ResultLine line;
    const EntryKind kind = reader.convert(calendar, reading, ".", line);
    return {kind, kind == EntryKind::Converted ? std::string(line.line()) : std::string()};
}

// Wholly a number: blanks around it allowed, none inside, a digit, nothing
// left over. The window takes blanks anywhere, and blanks alone are nothing.
const std::vector<std::pair<std::string_view, bool>> kTexts = {{"2002", true},    {" 2002\t", true},
                                                               {"\n-84 ", true},  {"+7", true},
                                                               {"361.98", true},  {"5.", true},
                                                               {".5", true},      {"3.6198e2", true},
                                                               {"2E-3", true},    {"&HFFFF", true},
                                                               {"&o17", true},    {"&H10000", true},
                                                               {"1e309", true},   {"000000000002002", true},
                                                               {"", false},       {"   ", false},
                                                               {"abc", false},    {"2002abc", false},
                                                               {"753 BC", false}, {"BC 44", false},
                                                               {"19O4", false},   {"361,98", false},
                                                               {"1 000", false},  {" 3 6 1 . 9 8 ", false},
                                                               {"&H 1 0", false}, {"- 5", false},
                                                               {"-", false},      {".", false},
                                                               {"1e", false},     {"1e+", false},
                                                               {"0x10", false},   {"1.2.3", false},
                                                               {"&H", false},     {"&G1", false},
                                                               {"&H1G", false},   {"&H10000x", false},
                                                               {"12\r3", false},  {"2002\r", false},
                                                               {"12:30", false},  {"361\xc2\xa0.98", false},
                                                               {"1d2", false},    {"--5", false},
                                                               {"$5", false},     {":5", false},
                                                               {"5:", false},     {"/5", false},
                                                               {"5/", false},     {"1e1:", false},
                                                               {"1e:5", false},   {"&H1:", false}};

TEST(EntryReadings, RefuseWhatIsNotWhollyANumberAndOtherwiseAnswerAsTheLeadingNumber)
{
    for (CalendarKind calendar : {CalendarKind::SC, CalendarKind::EY, CalendarKind::AW}) {
        for (const auto& [text, whole] : kTexts) {
            // Appended piece by piece: GCC 12 at -O3 warns of an overlapping copy
            // in "literal" + std::string.
            std::string label(1, '"');
            ((label += text) += "\" on ") += std::to_string(int(calendar));
            const Answer lenient = convertWhole(calendar, Reading::Lenient, text);
            const Answer strict = convertWhole(calendar, Reading::Strict, text);
            std::string compact(text);
            std::erase_if(compact, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
            const Answer typed = compact.empty() ? Answer{EntryKind::NothingTyped, {}}
                                                 : convertWhole(calendar, Reading::Strict, compact);
            const mrv::ConversionOutcome window = mrv::convert(calendar, text);
            EXPECT_EQ((Answer{window.kind, window.line}), typed) << label;
            // A batch answers a blank entry too.
            const Answer batch = convertWhole(calendar, Reading::Typed, text);
            EXPECT_EQ(batch, (compact.empty() ? Answer{EntryKind::NotANumber, {}} : typed)) << label;
            if (!whole) {
                EXPECT_EQ(strict.kind, EntryKind::NotANumber) << label;
            } else if (calendar != CalendarKind::EY || lenient.line.find("EY 0 BC") == std::string::npos) {
                EXPECT_EQ(strict, lenient) << label;
            }
            for (std::size_t cut = 0; cut <= text.size(); ++cut) {
                EXPECT_EQ(convertFed(calendar, Reading::Lenient, text, cut), lenient)
                    << label << " cut " << cut;
                EXPECT_EQ(convertFed(calendar, Reading::Strict, text, cut), strict)
                    << label << " cut " << cut;
                EXPECT_EQ(convertFed(calendar, Reading::Typed, text, cut), batch) << label << " cut " << cut;
            }
        }
    }
}

// Where numbers are written with a decimal comma, "," is the point too, fed
// in pieces as whole; one point to a number.
TEST(EntryReadings, ADecimalCommaReadsAsThePoint)
{
    const std::pair<std::string_view, bool> texts[] = {{" 3 6 1 , 9 8 ", true}, {"361.98", true},
                                                       {"3,6198e2", true},      {"361,98.5", false},
                                                       {"361.98,5", false},     {"3,6,1", false}};
    for (const auto& [text, number] : texts) {
        const Answer whole = convertWhole(CalendarKind::SC, Reading::TypedDecimalComma, text);
        EXPECT_EQ(whole.kind, number ? EntryKind::Converted : EntryKind::NotANumber) << text;
        for (std::size_t cut = 0; cut <= text.size(); ++cut)
            EXPECT_EQ(convertFed(CalendarKind::SC, Reading::TypedDecimalComma, text, cut), whole) << text;
    }
    EXPECT_EQ(convertWhole(CalendarKind::SC, Reading::Typed, "361,98").kind, EntryKind::NotANumber);
}

TEST(EntryReadings, EveryZeroIsTheYearZeroOnEarthYears)
{
    for (std::string_view text : {"0", "00", "0.0", "-0", "+0", " 0 ", "0e5", "&H0", "1e-400"}) {
        EXPECT_EQ(mrv::convert(CalendarKind::EY, text).kind, EntryKind::YearZero) << text;
        EXPECT_EQ(convertWhole(CalendarKind::EY, Reading::Strict, text).kind, EntryKind::YearZero) << text;
        // Release 1.1.0 wrote the other zeros "EY 0 BC", a year that does not exist.
        EXPECT_EQ(convertWhole(CalendarKind::EY, Reading::Lenient, text).kind, EntryKind::YearZero) << text;
        EXPECT_EQ(convertWhole(CalendarKind::EY, Reading::Lenient, text, mrv::Pairing::Classic).kind,
                  text == "0" ? EntryKind::YearZero : EntryKind::Converted)
            << text;
        EXPECT_EQ(convertWhole(CalendarKind::AW, Reading::Strict, text).line,
                  "SC 339.14  -  EY 2086 AD  -  AW 0");
    }
}

} // namespace
