// How entries are written into the fields of each machine format, whole and
// cut into pieces anywhere.
#include "Escape.h"
#include "StringOut.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;

struct Case {
    std::string text;
    std::string expected;
};

// Writes `text` in two pieces cut at every place, with `put` for a piece and
// `finish` at the end; each must give `expected`.
template <typename Put, typename Finish> void expectEveryCut(const Case& c, Put put, Finish finish)
{
    for (std::size_t cut = 0; cut <= c.text.size(); ++cut) {
        StringOut out;
        const std::string_view text = c.text;
        put(out, text.substr(0, cut));
        put(out, text.substr(cut));
        finish(out);
        EXPECT_EQ(out.text(), c.expected) << '"' << c.text << "\" cut at " << cut;
    }
}

TEST(TsvEscaping, KeepsEveryFieldOnItsRow)
{
    const Case cases[] = {{"2002", "2002"},
                          {"a\tb\nc\rd\\e"s + '\0', "a\\tb\\nc\\rd\\\\e\\0"},
                          {"\"q\" ,;", "\"q\" ,;"},
                          // Longer than a short text: escaped piece by piece.
                          {std::string(66, 'x') + "\t\\\n", std::string(66, 'x') + "\\t\\\\\\n"},
                          {"", ""}};
    for (const Case& c : cases)
        expectEveryCut(
            c, [](StringOut& out, std::string_view t) { mrv::cli::putTsvEscaped(out, t); },
            [](StringOut&) {});
}

TEST(CsvQuoting, QuotesOnlyWhereNeeded)
{
    const Case cases[] = {{"2002", "2002"},
                          {"", ""},
                          {" 2002 ", " 2002 "},
                          {"a\tb;c", "a\tb;c"},
                          {"Smith, J", "\"Smith, J\""},
                          {"say \"hi\"", "\"say \"\"hi\"\"\""},
                          {"two\r\nlines", "\"two\r\nlines\""},
                          {"\n", "\"\n\""},
                          {"\"", "\"\"\"\""}};
    for (const Case& c : cases) {
        StringOut out;
        mrv::cli::putCsvField(out, c.text);
        EXPECT_EQ(out.text(), c.expected) << c.text;
        // Inside quotes, as for an entry that arrives in pieces: quotes doubled.
        std::string inside;
        for (char ch : c.text)
            inside += ch == '"' ? "\"\""s : std::string(1, ch);
        expectEveryCut(
            {c.text, inside}, [](StringOut& o, std::string_view t) { mrv::cli::putCsvQuotedInside(o, t); },
            [](StringOut&) {});
    }
}

TEST(JsonEscaping, EscapesAndReplacesWhatIsNotUtf8)
{
    const Case cases[] = {
        {"2002", "2002"},
        {"\"\\\n\r\t\x01\x1f\x7f", "\\\"\\\\\\n\\r\\t\\u0001\\u001f\x7f"},
        {"\0"s, "\\u0000"},
        // UTF-8 kept: two, three and four bytes.
        {"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"},
        // A stray continuation byte, a byte never in UTF-8, an overlong form,
        // a surrogate, beyond U+10FFFF, and a sequence cut by the next byte
        // or by the end of the text.
        {"\x80", "\\ufffd"},
        {"\xff", "\\ufffd"},
        {"\xc0\xaf", "\\ufffd\\ufffd"},
        {"\xed\xa0\x80", "\\ufffd\\ufffd\\ufffd"},
        {"\xf4\x90\x80\x80", "\\ufffd\\ufffd\\ufffd\\ufffd"},
        {"\xe2\x82x", "\\ufffdx"},
        {"\xe2\x82", "\\ufffd"},
    };
    for (const Case& c : cases) {
        mrv::cli::JsonEscaper escaper;
        expectEveryCut(
            c, [&](StringOut& out, std::string_view t) { escaper.put(out, t); },
            [&](StringOut& out) { escaper.finish(out); });
    }
}

} // namespace
