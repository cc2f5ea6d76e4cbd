// The batch converter, run as a process the way scripts run it.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ProcessResult run(const std::vector<std::string>& args, const std::string& input = "",
                  const std::string& env = "LC_ALL=C")
{
    auto dir = std::filesystem::temp_directory_path() /
               ("mrvdate-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    // Appended word by word: GCC 12 at -O3 takes the insert at the front of
    // a temporary that "literal" + std::string makes for an overlapping copy.
    std::string command = "env " + env;
    (command += ' ') += quoted(MRVDATE_CONVERT_EXE);
    for (const auto& a : args)
        (command += ' ') += quoted(a);
    command += " <" + quoted(dir / "in") + " >" + quoted(dir / "out") + " 2>" + quoted(dir / "err");
    int raw = std::system(command.c_str());
    ProcessResult r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / "out"), slurp(dir / "err")};
    std::filesystem::remove_all(dir);
    return r;
}

const std::string kLine = "SC 361.98  -  EY 4370 AD  -  AW 2284\n";
const std::string kOutOfRange = "Sorry, that date is out of range.  Please try again.\n";
const std::string kYearZero =
    "There is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD.\n";

TEST(BatchConverter, ConvertsArguments)
{
    ProcessResult r = run({"--from", "sc", "361.98"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kLine);
    EXPECT_EQ(r.err, "");

    r = run({"--from=AW", "2284", "-2087", "--", "-f"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kLine + "SC 318.27  -  EY 1 BC  -  BW 2087\n" + "SC 339.14  -  EY 2086 AD  -  AW 0\n");
}

TEST(BatchConverter, RefusalsPrintTheirMessageAndExitOne)
{
    ProcessResult r = run({"--from", "ey", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kYearZero);

    r = run({"-f", "ey", "2002", "99999", "-30681"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "SC 338.30  -  EY 2002 AD  -  BW 84\n" + kOutOfRange +
                         "SC 11.46  -  EY 30681 BC  -  BW 32767\n");
}

TEST(BatchConverter, ReadsStandardInputOneEntryPerLine)
{
    // CR LF endings, an empty line, a last line without newline.
    ProcessResult r = run({"--from", "sc"}, "361.98\r\n\n11.47\n361.981");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kLine + kOutOfRange + "SC 11.47  -  EY 30682 BC  -  BW 32767\n" +
                         "SC 361.98  -  EY 4370.102 AD  -  AW 2284\n");

    r = run({"--from", "aw"}, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST(BatchConverter, LongInputStaysLineForLine)
{
    std::string input;
    std::string expected;
    for (int i = 0; i < 50000; ++i) {
        input += i % 2 ? "2284\n" : "40000\n";
        expected += i % 2 ? kLine : kOutOfRange;
    }
    input += std::string(200000, '9') + "\n"; // one huge entry across read blocks
    expected += kOutOfRange;
    ProcessResult r = run({"--from", "aw"}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out == expected) << "outputs differ";
}

TEST(BatchConverter, WritesTheLocaleDecimalSeparator)
{
    ProcessResult r = run({"--from", "sc", "361.98"}, "", "LC_ALL=de_DE.UTF-8");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "SC 361,98  -  EY 4370 AD  -  AW 2284\n");
}

TEST(BatchConverter, UsageErrorsExitTwoWithOneLineNamingTheProblem)
{
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    };
    for (const Case& c :
         {Case{{"361.98"}, "--from"}, Case{{"--from", "xx", "1"}, "'xx'"},
          Case{{"--from", "sc", "--bogus"}, "'--bogus'"}, Case{{"--from"}, "needs a calendar"}}) {
        ProcessResult r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.mentions;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')).find("mrvdate-convert: "), 0u) << r.err;
    }
}

TEST(BatchConverter, HelpAndVersion)
{
    ProcessResult r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: mrvdate-convert --from sc|ey|aw", 0), 0u);
    r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "mrvdate-convert " MRVDATE_VERSION "\n");
}

} // namespace
