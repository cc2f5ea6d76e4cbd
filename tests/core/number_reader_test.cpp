#include "NumberReader.h"
#include "NumberText.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct ReadCase {
    const char* text;
    double expected;
};

class LeadingNumberReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberReading, ReadsTheLeadingNumber)
{
    const auto& c = GetParam();
    std::optional<double> value = mrv::readLeadingNumber(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.expected) << '"' << c.text << '"';

    // Fed in two pieces, cut anywhere, the reading is the same.
    const std::string_view text = c.text;
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        mrv::NumberReader reader;
        reader.feed(text.substr(0, cut));
        reader.feed(text.substr(cut));
        EXPECT_EQ(reader.result(), value) << '"' << c.text << "\" cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(Decimal, LeadingNumberReading,
                         ::testing::Values(ReadCase{"361.98", 361.98}, ReadCase{"  12 3abc", 123},
                                           ReadCase{" 3 6 1 . 9 8 ", 361.98}, ReadCase{"1 000", 1000},
                                           ReadCase{"- 5", -5}, ReadCase{"+7", 7}, ReadCase{"\t4\n2", 42},
                                           ReadCase{"361,98", 361}, ReadCase{"1,000", 1},
                                           ReadCase{"1.2.3", 1.2}, ReadCase{".5", 0.5}, ReadCase{"5.", 5},
                                           ReadCase{"3.6198e2", 361.98}, ReadCase{"2E-3", 0.002},
                                           ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1e+x", 1},
                                           ReadCase{"0x10", 0}, ReadCase{"1e-400", 0}, ReadCase{"12\r3", 12},
                                           ReadCase{"12\xc2\xa0"
                                                    "3",
                                                    12},
                                           ReadCase{"1d2", 1}, ReadCase{"12:30", 12}, ReadCase{"0.1", 0.1},
                                           ReadCase{"2002.7", 2002.7},
                                           // Around the 15 digits that a double holds exactly,
                                           // where the one-pass reading hands over.
                                           ReadCase{"99999999999999.9", 99999999999999.9},
                                           ReadCase{"9007199254740.993", 9007199254740.993},
                                           ReadCase{"-0.000000000000001", -1e-15},
                                           ReadCase{"9007199254740993", 9007199254740992.0},
                                           // The characters next to the digits end a number.
                                           ReadCase{"5:", 5}, ReadCase{"5/", 5}, ReadCase{"1e1:", 10},
                                           ReadCase{"1e1/", 10}, ReadCase{"1.5:5", 1.5}));

INSTANTIATE_TEST_SUITE_P(Radix, LeadingNumberReading,
                         ::testing::Values(ReadCase{"&HFFFF", -1}, ReadCase{"&H8000", -32768},
                                           ReadCase{"&H7FFF", 32767}, ReadCase{"&hff", 255},
                                           ReadCase{"&H 1 0", 16}, ReadCase{"&O17", 15},
                                           ReadCase{"&o177777", -1}, ReadCase{"&H", 0}, ReadCase{"&G", 0},
                                           ReadCase{"&H0000FFFF", -1}, ReadCase{"&H1Fzz", 31},
                                           ReadCase{"&O78", 7}, ReadCase{"&H1:", 1}, ReadCase{"&H1/", 1},
                                           ReadCase{"&HFg", 15}, ReadCase{"&H1G", 1}, ReadCase{"&O7:", 7}));

INSTANTIATE_TEST_SUITE_P(NothingNumeric, LeadingNumberReading,
                         ::testing::Values(ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0},
                                           ReadCase{".", 0}, ReadCase{"$5", 0}, ReadCase{"--5", 0},
                                           ReadCase{"+-5", 0}, ReadCase{"e5", 0}, ReadCase{"-.e1", 0},
                                           ReadCase{":5", 0}, ReadCase{"/5", 0}, ReadCase{"-:5", 0},
                                           ReadCase{".:5", 0}));

TEST(LeadingNumberReadingFailures, OversizedNumbersOverflow)
{
    for (const char* text : {"1e400", "-1e309", "&H10000", "&O200000", "&HFFFFFFFFFFFFFFFFFFFF"})
        EXPECT_FALSE(mrv::readLeadingNumber(text).has_value()) << text;
    // A huge exponent on a zero is still zero, and a tiny one underflows.
    EXPECT_EQ(mrv::readLeadingNumber("0e99999999999999999999"), 0.0);
    // Exponents longer than any integer type still decide the class.
    EXPECT_FALSE(mrv::readLeadingNumber("2000e30800000000000000000000000000000000").has_value());
    EXPECT_EQ(mrv::readLeadingNumber("2000e-30800000000000000000000000000000000"), 0.0);
    EXPECT_EQ(mrv::readLeadingNumber("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(mrv::readLeadingNumber("0.000001e-320"), 0.0);
}

// Numbers far longer than any buffer, fed as a stream: the digits and the
// exponent still decide the value exactly, however many zeros stand between.
TEST(LeadingNumberReadingStream, LongNumbersReadExactly)
{
    struct Case {
        const char* head;
        char fill;
        std::size_t count;
        const char* tail;
        std::optional<double> expected;
    };
    constexpr std::size_t kMany = 30'000'000; // beyond any 16- or 24-bit count
    const Case cases[] = {
        {"0.", '0', kMany, "1e30000001", 1.0},
        {"1", '0', kMany, "e-30000000", 1.0},
        {"-0.", '0', kMany, "25e30000000", -0.25},
        {"0.", '0', kMany, "1e99999999999", std::nullopt}, // overflow, however the zeros count
        {"0.", '0', kMany, "1", 0.0},                      // underflow
        {"1", '0', kMany, "", std::nullopt},
        {"0", '0', kMany, "7.5", 7.5},
        // 2^53 + 1 is halfway between two doubles: only a non-zero digit far
        // behind it decides that the value is above the half.
        {"9007199254740993", '0', kMany, "e-30000000", 9007199254740992.0},
        {"9007199254740993", '0', kMany, "1e-30000001", 9007199254740994.0},
        {"9007199254740993", '9', kMany, "e-30000000", 9007199254740994.0},
        {"9007199254740993", '0', kMany, "1:9e-30000000", std::nullopt}, // ':' ends even a long run
        {"&H", '0', kMany, "FFFF", -1.0},
        {"3", ' ', kMany, "6", 36.0},
        {"12", 'x', kMany, "3", 12.0},
    };
    for (const Case& c : cases) {
        mrv::NumberReader reader;
        reader.feed(c.head);
        const std::string fill(1 << 16, c.fill);
        std::size_t left = c.count;
        for (; left >= fill.size(); left -= fill.size())
            reader.feed(fill);
        reader.feed(std::string_view(fill).substr(0, left));
        reader.feed(c.tail);
        EXPECT_EQ(reader.result(), c.expected)
            << c.head << " [" << c.count << " x '" << c.fill << "'] " << c.tail;
    }
}

TEST(LeadingNumberReadingFailures, MinusZeroIsAZeroWrittenPlainly)
{
    std::optional<double> value = mrv::readLeadingNumber("-0");
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, 0.0);
    char text[mrv::kMaxNumberText];
    EXPECT_EQ(std::string(text, mrv::writeNumberText(text, *value, ".")), "0");
}

TEST(LeadingNumberReadingLocale, IgnoresACommaDecimalLocale)
{
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "this C library's locales all write \".\"";
#endif
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
#ifdef _WIN32
    const char* const commaLocale = "German_Germany.1252"; // Windows' name for it
#else
    const char* const commaLocale = "de_DE.UTF-8";
#endif
    ASSERT_NE(std::setlocale(LC_ALL, commaLocale), nullptr)
        << "the " << commaLocale << " locale must be there";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(mrv::readLeadingNumber("361.98"), 361.98);
    EXPECT_EQ(mrv::readLeadingNumber("361,98"), 361.0);
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
