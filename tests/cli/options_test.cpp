// The batch converter's command line, parsed directly.
#include "Help.h"
#include "OptionTable.h"
#include "Options.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

using mrv::CalendarKind;
using mrv::cli::Column;
using mrv::cli::Format;
using mrv::cli::Request;

// Entries are views of the arguments, which therefore live as long as the
// test program does.
Request parse(const std::vector<std::string>& args)
{
    static std::deque<std::string> kept;
    std::vector<char*> argv{kept.emplace_back("mrvdate-convert").data()};
    for (const std::string& a : args)
        argv.push_back(kept.emplace_back(a).data());
    argv.push_back(nullptr);
    return mrv::cli::parseOptions(static_cast<int>(argv.size() - 1), argv.data());
}

std::vector<std::string> entriesOf(const Request& r)
{
    return {r.options.entries.begin(), r.options.entries.end()};
}

TEST(Options, GnuSyntaxAndEntriesThatLookLikeOptions)
{
    struct Case {
        std::vector<std::string> args;
        CalendarKind calendar;
        Format format;
        bool nul;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {{"--from", "ey", "2002"}, CalendarKind::EY, Format::Line, false, {"2002"}},
        {{"-fey", "2002"}, CalendarKind::EY, Format::Line, false, {"2002"}},
        {{"-zf", "aw", "1"}, CalendarKind::AW, Format::Line, true, {"1"}},
        {{"-zfsc"}, CalendarKind::SC, Format::Line, true, {}},
        {{"--fr=ey", "--form", "csv"}, CalendarKind::EY, Format::Csv, false, {}},
        {{"--from=AW", "--format=jsonl", "--null"}, CalendarKind::AW, Format::Jsonl, true, {}},
        {{"--format", "CSV", "--from", "Ey", "2002"}, CalendarKind::EY, Format::Csv, false, {"2002"}},
        // Negative years, a lone minus and a point are entries, wherever they stand.
        {{"-30681", "-f", "ey", "-.5", "-", "--format", "tsv", "2002"},
         CalendarKind::EY,
         Format::Tsv,
         false,
         {"-30681", "-.5", "-", "2002"}},
        {{"-f", "sc", "--", "-z", "--help"}, CalendarKind::SC, Format::Line, false, {"-z", "--help"}},
    };
    for (const Case& c : cases) {
        const Request r = parse(c.args);
        ASSERT_EQ(r.what, Request::What::Run) << c.args[0] << ": " << r.problem;
        EXPECT_EQ(r.options.calendar, c.calendar) << c.args[0];
        EXPECT_EQ(r.options.format, c.format) << c.args[0];
        EXPECT_EQ(r.options.nul, c.nul) << c.args[0];
        EXPECT_EQ(entriesOf(r), c.entries) << c.args[0];
    }
}

TEST(Options, TableOptions)
{
    Request r = parse({"-f", "ey", "--format", "csv", "--field", "3", "--header", "--lenient", "--cl"});
    ASSERT_EQ(r.what, Request::What::Run) << r.problem;
    EXPECT_EQ(r.options.field, 3u);
    EXPECT_TRUE(r.options.header);
    EXPECT_TRUE(r.options.lenient);
    EXPECT_TRUE(r.options.classic);
    r = parse({"-f", "ey", "--format=tsv", "--fi=12"});
    EXPECT_EQ(r.options.field, 12u);
    EXPECT_FALSE(r.options.header);
    EXPECT_FALSE(r.options.lenient);
    EXPECT_FALSE(r.options.classic);
    r = parse(
        {"-f", "ey", "--format=csv", "-d\\t", "--field", "year", "--header", "--columns", "AW_YEAR,sc"});
    ASSERT_EQ(r.what, Request::What::Run) << r.problem;
    EXPECT_EQ(r.options.delimiter, '\t');
    EXPECT_EQ(r.options.field, 0u);
    EXPECT_EQ(r.options.fieldName, "year");
    EXPECT_EQ(std::vector<Column>(r.options.columns.begin(), r.options.columns.end()),
              (std::vector<Column>{Column::AwYear, Column::Sc}));
}

// Every option's forms are in the man page, and --help fits one screen.
TEST(Options, DefinedOnceAndDocumented)
{
    std::ifstream file(MRVDATE_CONVERT_MAN);
    const std::string man{std::istreambuf_iterator<char>(file), {}};
    for (const mrv::cli::OptionSpec& definition : mrv::cli::kOptionSpecs) {
        EXPECT_NE(man.find("\\-\\-" + std::string(definition.name)), std::string::npos) << definition.name;
        if (definition.id < 256) {
            EXPECT_NE(man.find("\\-" + std::string(1, static_cast<char>(definition.id)) + " "),
                      std::string::npos)
                << definition.name;
        }
    }
    std::istringstream help(mrv::cli::help());
    int lines = 0;
    for (std::string line; std::getline(help, line); ++lines)
        EXPECT_LE(line.size(), 80u) << line;
    EXPECT_LE(lines, 24);
}

// The man page as the build configures it: every value given, and each
// calendar's id, name and range as the calendars' table has them.
TEST(Options, ManPageSaysTheCalendarsOfTheTable)
{
    std::ifstream file(MRVDATE_CONVERT_MADE_MAN);
    const std::string man{std::istreambuf_iterator<char>(file), {}};
    ASSERT_FALSE(man.empty());
    EXPECT_EQ(man.find('@'), std::string::npos);
    auto roff = [](double limit) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", limit);
        return (limit < 0 ? "\\" : "") + std::string(text);
    };
    for (const mrv::CalendarFacts& calendar : mrv::kCalendars) {
        for (const std::string& said :
             {"\\fB" + std::string(calendar.id) + "\\fR", std::string(calendar.name),
              roff(calendar.lowest) + " to " + roff(calendar.highest)})
            EXPECT_NE(man.find(said), std::string::npos) << said;
    }
}

TEST(Options, HelpAndVersionWinOverEverythingAfterThem)
{
    EXPECT_EQ(parse({"--help"}).what, Request::What::Help);
    EXPECT_EQ(parse({"-f", "xx", "-h"}).what, Request::What::Help);
    EXPECT_EQ(parse({"--hel"}).what, Request::What::Help);
    EXPECT_EQ(parse({"-V", "--bogus"}).what, Request::What::Version);
}

TEST(Options, UsageErrorsNameTheProblem)
{
    struct Case {
        std::vector<std::string> args;
        const char* problem;
    };
    const Case cases[] = {
        {{"361.98"}, "missing --from"},
        {{"--from", "xx", "1"}, "unknown calendar 'xx'"},
        {{"-f", "sc", "--bogus"}, "unknown option '--bogus'"},
        {{"-f", "sc", "--bogus=1"}, "unknown option '--bogus'"},
        {{"-zq", "-f", "sc"}, "unknown option '-q'"},
        {{"-f", "sc", "--lenient=yes"}, "option '--lenient' takes no value"},
        {{"-f", "sc", "--nu=1"}, "option '--null' takes no value"},
        {{"-z", "-zf"}, "option '-f' needs a calendar"},
        {{"--from"}, "option '--from' needs a calendar"},
        {{"-f"}, "option '-f' needs a calendar"},
        {{"-f", "sc", "--format"}, "option '--format' needs a format"},
        {{"-f", "sc", "--f", "x"}, "option '--f' is ambiguous: --from, --format, --field"},
        {{"-f", "sc", "--he"}, "option '--he' is ambiguous: --header, --help"},
        // A second --from would silently change the entries before it.
        {{"--from", "ey", "2002", "-f", "sc"}, "option '--from' given more than once"},
        {{"-f", "ey", "--format", "tsv", "--format", "csv"}, "option '--format' given more than once"},
        {{"-f", "ey", "--format", "xml"}, "unknown format 'xml'"},
        {{"-f", "ey", "--format", "csv", "--field", "0"}, "not '0'"},
        {{"-f", "ey", "--format", "csv", "--field", "2x"}, "not '2x'"},
        {{"-f", "ey", "--format", "csv", "--field", "-1"}, "not '-1'"},
        {{"-f", "ey", "--format", "csv", "--field", "99999999999999999999999"}, "not '9999"},
        {{"-f", "ey", "--format", "jsonl", "--field", "1"},
         "'--field' needs '--format tsv' or '--format csv'"},
        {{"-f", "ey", "--field", "1"}, "'--field' needs"},
        {{"-f", "ey", "--format", "csv", "--header"}, "'--header' goes with '--field'"},
        {{"-f", "ey", "--format", "csv", "--field", "year"}, "or with '--header' a column name, not 'year'"},
        {{"-f", "ey", "--format", "tsv", "--columns", "sc,xx"},
         "unknown column 'xx' (use sc, ey, aw, error,"},
        {{"-f", "ey", "--format", "tsv", "--columns", "sc,SC"}, "column 'SC' given more than once"},
        {{"-f", "ey", "--columns", "sc"}, "'--columns' needs '--format tsv', 'csv' or 'jsonl'"},
        {{"-f", "ey", "--format", "tsv", "-d;"}, "'--delimiter' goes with '--format csv'"},
        {{"-f", "ey", "--format", "csv", "-d"}, "option '-d' needs a delimiter"},
        // A delimiter that an answer column holds would split it.
        {{"-f", "ey", "--format", "csv", "-d", "\""}, "needs one character that is not"},
        {{"-f", "ey", "--format", "csv", "-d", "."}, "not '.'"},
        {{"-f", "ey", "--format", "csv", "-d", ";;"}, "not ';;'"},
    };
    for (const Case& c : cases) {
        const Request r = parse(c.args);
        EXPECT_EQ(r.what, Request::What::UsageError) << c.problem;
        EXPECT_NE(r.problem.find(c.problem), std::string::npos) << r.problem;
    }
}

} // namespace
