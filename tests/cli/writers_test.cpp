// What each format writer writes for an answer of every kind.
#include "Entry.h"
#include "StringOut.h"
#include "Writers.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace mrv::cli;
using namespace std::string_literals;
using Kind = mrv::ConversionOutcome::Kind;

Answer converted(const mrv::ResultLine& line)
{
    Answer a;
    a.line = &line;
    return a;
}
Answer refused(std::optional<Kind> kind, std::string_view entry = {}, bool cut = false, std::size_t field = 0)
{
    Answer a;
    a.kind = kind;
    a.entry = entry;
    a.entryCut = cut;
    a.field = field;
    return a;
}

struct Answers {
    mrv::ResultLine bc, ad, fraction;
    Answers()
    {
        for (auto [line, text] : {std::pair{&bc, "-1"}, {&ad, "2002"}, {&fraction, "1e-7"}}) {
            // Release 1.1.0's pairing (--classic), which also writes the year 0.
            const auto kind = mrv::convertEntry(mrv::CalendarKind::EY, mrv::Reading::Strict, text, ".",
                                                line->text, line->at, mrv::Pairing::Classic);
            EXPECT_EQ(kind, Kind::Converted);
        }
    }
};

template <typename Writer> std::string written(Writer writer, const Answer& answer, std::string_view entry)
{
    StringOut out;
    writer.entry(out, entry);
    writer.answer(out, answer);
    return out.text();
}

TEST(Writers, EveryColumnOfEveryKind)
{
    Answers a;
    const Answer bc = converted(a.bc);
    const Answer ad = converted(a.ad);
    const Answer fraction = converted(a.fraction);
    const Answer nan = refused(Kind::NotANumber, "a,\"b\"\t\x01\xc3\xa9");
    const Answer cut = refused(Kind::NotANumber, "2002 is the year of the coronati\xc3", true);
    const Answer missing = refused(std::nullopt, {}, false, 12);

    EXPECT_EQ(written(LineWriter('\n'), bc, "-1"), "SC 318.26  -  EY 1 BC  -  BW 2087\n");
    EXPECT_EQ(written(LineWriter('\0'), nan, ""),
              "Sorry, \"a,\\\"b\\\"\\t\\x01\xc3\xa9\" is not a number."s + '\0');
    EXPECT_EQ(written(LineWriter('\n'), cut, ""),
              "Sorry, \"2002 is the year of the coronati...\" is not a number.\n");
    // Cut inside a four-byte character: the whole character goes.
    EXPECT_EQ(written(LineWriter('\n'), refused(Kind::NotANumber, "year \xf0\x9f\x98", true), ""),
              "Sorry, \"year ...\" is not a number.\n");
    EXPECT_EQ(written(LineWriter('\n'), missing, ""), "Sorry, that row has no field 12.\n");

    EXPECT_EQ(written(TsvWriter('\n'), bc, "-1"), "-1\t318.26\t1 BC\tBW 2087\t\t\t318.26\t-1\t-2087\n");
    EXPECT_EQ(written(TsvWriter('\n'), ad, "2002"), "2002\t338.30\t2002 AD\tBW 84\t\t\t338.30\t2002\t-84\n");
    // The year 0, written "0 BC", is no negative year.
    mrv::ResultLine yearZero;
    ASSERT_EQ(mrv::convertEntry(mrv::CalendarKind::AW, mrv::Reading::Strict, "-2086", ".", yearZero.text,
                                yearZero.at, mrv::Pairing::Classic),
              Kind::Converted);
    EXPECT_EQ(written(TsvWriter('\n'), converted(yearZero), "-2086"),
              "-2086\t318.28\t0 BC\tBW 2086\t\t\t318.28\t0\t-2086\n");
    EXPECT_EQ(written(TsvWriter('\n'), fraction, "1e-7"),
              "1e-7\t318.28\t1E-07 AD\tBW 2086\t\t\t318.28\t1E-07\t-2086\n");
    EXPECT_EQ(
        written(TsvWriter('\n'), nan, "x"),
        "x\t\t\t\tnot-a-number\tSorry, \"a,\\\\\"b\\\\\"\\\\t\\\\x01\xc3\xa9\" is not a number.\t\t\t\n");

    EXPECT_EQ(written(CsvWriter('\n'), bc, "-1"), "-1,318.26,1 BC,BW 2087,,,318.26,-1,-2087\r\n");
    EXPECT_EQ(written(CsvWriter('\n'), missing, "a,b"),
              "\"a,b\",,,,missing-field,\"Sorry, that row has no field 12.\",,,\r\n");

    EXPECT_EQ(written(JsonlWriter('\n'), bc, "-1"),
              "{\"entry\":\"-1\",\"sc\":\"318.26\",\"ey\":\"1 BC\",\"aw\":\"BW 2087\",\"error\":null,"
              "\"message\":null,\"sc_value\":318.26,\"ey_year\":-1,\"aw_year\":-2087}\n");
    EXPECT_EQ(written(JsonlWriter('\n'), nan, "\xff"),
              "{\"entry\":\"\\ufffd\",\"sc\":null,\"ey\":null,\"aw\":null,\"error\":\"not-a-number\","
              "\"message\":\"Sorry, \\\"a,\\\\\\\"b\\\\\\\"\\\\t\\\\x01\xc3\xa9\\\" is not a number.\","
              "\"sc_value\":null,\"ey_year\":null,\"aw_year\":null}\n");
    // An entry that ends inside a UTF-8 sequence: the sequence is replaced.
    EXPECT_EQ(written(JsonlWriter('\n', {{Column::Error}, 1}), missing, "2002\xe2\x82"),
              "{\"entry\":\"2002\\ufffd\",\"error\":\"missing-field\"}\n");
}

// However an entry arrives, whole or cut anywhere, csv writes it alike: a
// long one always quoted.
TEST(Writers, CsvWritesAnEntryAlikeWholeOrInPieces)
{
    for (const std::string& entry : {"a"s, "a,b"s, std::string(256, 'x'), std::string(257, 'x')}) {
        StringOut whole;
        CsvWriter csv('\n');
        csv.entry(whole, entry);
        csv.answer(whole, refused(Kind::YearZero));
        EXPECT_EQ(whole.text().starts_with('"'), entry.size() > 256 || entry == "a,b") << entry;
        for (std::size_t cut = 0; cut <= entry.size(); cut += 1 + cut / 8) {
            StringOut pieces;
            csv.entryPiece(pieces, std::string_view(entry).substr(0, cut));
            csv.entryPiece(pieces, std::string_view(entry).substr(cut));
            csv.answer(pieces, refused(Kind::YearZero));
            EXPECT_EQ(pieces.text(), whole.text()) << entry.size() << " cut at " << cut;
        }
    }
}

// A converted entry written in one go, as nearly every one is, reads as
// the entry and its answer written one after the other: whatever it holds,
// however long, with any columns.
TEST(Writers, AConvertedEntryInOneGoAsEntryThenAnswer)
{
    Answers a;
    const Columns some{{Column::AwYear, Column::Message, Column::Sc}, 3};
    const auto expectAlike = [&](auto writer, const std::string& entry) {
        StringOut once;
        auto copy = writer;
        copy.converted(once, entry, a.bc);
        EXPECT_EQ(once.text(), written(writer, converted(a.bc), entry)) << entry;
    };
    for (const std::string& entry :
         {"2002"s, ""s, "a,b"s, "a;b"s, "a\"b"s, "tab\there\\"s, "\r\n"s, "\xc3\xa9"s, "\xff"s,
          std::string(64, '"'), std::string(65, '7'), std::string(300, ',')}) {
        for (const Columns& columns : {Columns{}, some}) {
            expectAlike(TsvWriter('\n', columns), entry);
            expectAlike(CsvWriter('\n', columns), entry);
            expectAlike(CsvWriter('\0', columns, ';'), entry);
            expectAlike(JsonlWriter('\n', columns), entry);
        }
    }
}

// A block filled to its last byte is written out before the text that follows.
TEST(Writers, AFullBlockGoesOutBeforeMore)
{
    StringOut out;
    const std::string full(mrv::Output::kSize, 'x');
    out.put(full);
    out.put(std::string_view("more"));
    EXPECT_TRUE(out.text() == full + "more");
}

TEST(Writers, HeadersAndAnEntryInPieces)
{
    StringOut out;
    CsvWriter csv('\n');
    csv.header(out);
    csv.entryPiece(out, "20");
    csv.entryPiece(out, "02");
    csv.answer(out, refused(Kind::YearZero));
    csv.columnNames(out);
    out.put(csv.end());
    EXPECT_EQ(out.text(), "entry,sc,ey,aw,error,message,sc_value,ey_year,aw_year\r\n"
                          "2002,,,,year-zero,There is no such date as 0 AD.  The Gregorian calendar jumps "
                          "from 1 BC to 1 AD.,,,\r\n"
                          ",sc,ey,aw,error,message,sc_value,ey_year,aw_year\r\n");
    out.clear();
    TsvWriter tsv('\0');
    tsv.header(out);
    EXPECT_EQ(out.text(), "entry\tsc\tey\taw\terror\tmessage\tsc_value\tey_year\taw_year"s + '\0');
}

} // namespace
