// Rows of TSV and CSV tables, read as standard input hands them over: cut
// into blocks of every size, so that rows, quotes and escapes fall across
// block ends everywhere.
#include "RowReader.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;

struct Row {
    std::string raw;   // what is written back
    std::string field; // the chosen field's content
    bool found = false;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& s, const Row& r)
{
    return s << "{raw \"" << r.raw << "\", field \"" << r.field << "\", found " << r.found << "}";
}

struct Recorder : mrv::cli::RowSink {
    std::vector<Row> rows;
    Row current;
    std::string lineEnds;
    void row(std::string_view bytes) override { current.raw += bytes; }
    void field(std::string_view bytes) override { current.field += bytes; }
    void nextField() override { current.field += '|'; } // with field 0: every field
    void rowEnd(bool found, bool carriageReturn) override
    {
        current.found = found;
        lineEnds += carriageReturn ? "\r\n" : "\n";
        rows.push_back(current);
        current = {};
    }
};

// Splits `input` as splitStandardInput does, reading blocks of `block` bytes.
template <typename Reader>
void split(std::string_view input, std::size_t block, char terminator, Reader& reader)
{
    bool inEntry = false;
    for (std::size_t start = 0; start < input.size(); start += block) {
        std::string_view b = input.substr(start, block);
        while (!b.empty()) {
            const std::size_t stop = b.find(terminator);
            if (stop == std::string_view::npos) {
                reader.piece(b);
                inEntry = true;
                break;
            }
            if (inEntry) {
                reader.piece(b.substr(0, stop));
                reader.end();
                inEntry = false;
            } else {
                reader.whole(b.substr(0, stop));
            }
            b.remove_prefix(stop + 1);
        }
    }
    if (inEntry)
        reader.end();
    reader.finish();
}

struct Case {
    std::string input;
    std::vector<Row> rows;
    std::string lineEnds = {}; // when given: each row's, as read
};

template <typename Make> void expectRows(const Case& c, char terminator, Make make)
{
    for (std::size_t block = 1; block <= c.input.size() + 1; ++block) {
        Recorder recorder;
        auto reader = make(recorder);
        split(c.input, block, terminator, reader);
        EXPECT_EQ(recorder.rows, c.rows) << '"' << c.input << "\" in blocks of " << block;
        if (!c.lineEnds.empty()) {
            EXPECT_EQ(recorder.lineEnds, c.lineEnds) << '"' << c.input << "\" in blocks of " << block;
        }
    }
}

TEST(TsvRows, FieldsSplitOnTabsAndUnescaped)
{
    const Case cases[] = {
        {"a\t2002\n", {{"a\t2002", "2002", true}}},
        {"a\t2002\r\nb\t-1", {{"a\t2002", "2002", true}, {"b\t-1", "-1", true}}},
        {"x\t\\t20\\\\0\\02\\q\ty\n", {{"x\t\\t20\\\\0\\02\\q\ty", "\t20\\0"s + '\0' + "2\\q", true}}},
        {"a\tb\\\n", {{"a\tb\\", "b\\", true}}},
        {"a\n\n\t\n", {{"a", "", false}, {"", "", false}, {"\t", "", true}}},
        {"a\tb\rc\r\r\n", {{"a\tb\rc\r", "b\rc\r", true}}},
        // Escapes in the other fields only: the row read at once.
        {"a\\t\t2002\tc\\\n", {{"a\\t\t2002\tc\\", "2002", true}}},
    };
    for (const Case& c : cases)
        expectRows(c, '\n', [](Recorder& r) { return mrv::cli::TsvRowReader(2, r); });
    // Field 0: every field, as a header row is read for a column's name.
    expectRows({"a\tb\\tc\r\n\td\n", {{"a\tb\\tc", "a|b\tc", true}, {"\td", "|d", true}}, "\r\n\n"}, '\n',
               [](Recorder& r) { return mrv::cli::TsvRowReader(0, r); });
}

TEST(CsvRows, Rfc4180QuotingAcrossLinesAndBlocks)
{
    const Case cases[] = {
        {"a,2002\r\n", {{"a,2002", "2002", true}}},
        {"\"Smith, J\",\"20,02\"\n", {{"\"Smith, J\",\"20,02\"", "20,02", true}}},
        // A quoted line break, CR LF or LF, is the field's and the row's.
        {"x,\"two\r\nlines\",y\r\nz,w\r\n",
         {{"x,\"two\r\nlines\",y", "two\r\nlines", true}, {"z,w", "w", true}}},
        {"x,\"a\nb\"", {{"x,\"a\nb\"", "a\nb", true}}},
        {"x,\"a\"\"b\"\"\"\n", {{"x,\"a\"\"b\"\"\"", "a\"b\"", true}}},
        {"x,\"\"\n", {{"x,\"\"", "", true}}},
        // As most readers do: a quote inside an unquoted field, text after a closing quote.
        {"x,a\"b\n", {{"x,a\"b", "a\"b", true}}},
        {"x,\"a\"b,c\n", {{"x,\"a\"b,c", "ab", true}}},
        {"x\n,\n", {{"x", "", false}, {",", "", true}}},
        // Quotes in another field, or none: the row read at once or not, alike.
        {"x,2002,\"y,z\"\r\nx,,y\n", {{"x,2002,\"y,z\"", "2002", true}, {"x,,y", "", true}}},
        // Still inside quotes at the end: the quote is closed for the columns after it.
        {"x,\"ab\n", {{"x,\"ab\"", "ab", true}}},
        {"x,\"a\n\nb\r\n\r\n\"\n", {{"x,\"a\n\nb\r\n\r\n\"", "a\n\nb\r\n\r\n", true}}},
    };
    for (const Case& c : cases)
        expectRows(c, '\n', [](Recorder& r) { return mrv::cli::CsvRowReader(2, '\n', r); });
    expectRows(
        {"a;\"b;\r\nc\"\r\nd;e\n", {{"a;\"b;\r\nc\"", "a|b;\r\nc", true}, {"d;e", "d|e", true}}, "\r\n\n"},
        '\n', [](Recorder& r) { return mrv::cli::CsvRowReader(0, '\n', r, ';'); });
    // With -z, rows end at NUL bytes instead.
    expectRows({"a,\"b\0c\"\0d,e\r\0"s, {{"a,\"b\0c\""s, "b\0c"s, true}, {"d,e", "e", true}}}, '\0',
               [](Recorder& r) { return mrv::cli::CsvRowReader(2, '\0', r); });
}

TEST(LineReturn, OneCarriageReturnBeforeTheLineEndIsNotTheEntrys)
{
    EXPECT_EQ(mrv::cli::withoutLineReturn("2002\r"), "2002");
    EXPECT_EQ(mrv::cli::withoutLineReturn("2002\r\r"), "2002\r");
    EXPECT_EQ(mrv::cli::withoutLineReturn("\r2002"), "\r2002");
    // In pieces: a return at a piece's end is held until the line goes on.
    for (const std::vector<std::string_view>& pieces :
         std::vector<std::vector<std::string_view>>{{"20\r", "02\r"}, {"20", "\r", "", "02", "\r"}}) {
        mrv::cli::LineReturn lineReturn;
        std::string entry;
        for (std::string_view piece : pieces)
            lineReturn.pass(piece, [&](std::string_view bytes) { entry += bytes; });
        EXPECT_TRUE(lineReturn.end());
        EXPECT_EQ(entry, "20\r02");
    }
}

} // namespace
