#include "Numeric.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

using mrv::DynamicNumber;

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
                                           ReadCase{"1d2", 1}, ReadCase{"0.1", 0.1},
                                           ReadCase{"2002.7", 2002.7},
                                           // Around the 15 digits that a double holds exactly,
                                           // where the one-pass reading hands over.
                                           ReadCase{"99999999999999.9", 99999999999999.9},
                                           ReadCase{"9007199254740.993", 9007199254740.993},
                                           ReadCase{"-0.000000000000001", -1e-15},
                                           ReadCase{"9007199254740993", 9007199254740992.0}));

INSTANTIATE_TEST_SUITE_P(Radix, LeadingNumberReading,
                         ::testing::Values(ReadCase{"&HFFFF", -1}, ReadCase{"&H8000", -32768},
                                           ReadCase{"&H7FFF", 32767}, ReadCase{"&hff", 255},
                                           ReadCase{"&H 1 0", 16}, ReadCase{"&O17", 15},
                                           ReadCase{"&o177777", -1}, ReadCase{"&H", 0}, ReadCase{"&G", 0},
                                           ReadCase{"&H0000FFFF", -1}, ReadCase{"&H1Fzz", 31},
                                           ReadCase{"&O78", 7}));

INSTANTIATE_TEST_SUITE_P(NothingNumeric, LeadingNumberReading,
                         ::testing::Values(ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0},
                                           ReadCase{".", 0}, ReadCase{"$5", 0}, ReadCase{"--5", 0},
                                           ReadCase{"+-5", 0}, ReadCase{"e5", 0}, ReadCase{"-.e1", 0}));

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
    EXPECT_EQ(mrv::numberText(*value, "."), "0");
}

TEST(LeadingNumberReadingLocale, IgnoresACommaDecimalLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale must be generated";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(mrv::readLeadingNumber("361.98"), 361.98);
    EXPECT_EQ(mrv::readLeadingNumber("361,98"), 361.0);
    std::setlocale(LC_ALL, saved.c_str());
}

struct RoundCase {
    double value;
    std::optional<std::int16_t> expected;
};

class NearestEvenRounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(NearestEvenRounding, RoundsHalvesToEven)
{
    EXPECT_EQ(mrv::roundToInt16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NearestEvenRounding,
    ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2}, RoundCase{-0.5, 0},
                      RoundCase{-1.5, -2}, RoundCase{-2.5, -2}, RoundCase{2.5000000001, 3},
                      RoundCase{2284.5, 2284}, RoundCase{-83.5, -84}, RoundCase{-2085.5, -2086},
                      RoundCase{30681.5, 30682}, RoundCase{30680.5, 30680}, RoundCase{32767.4999, 32767},
                      RoundCase{32767.5, std::nullopt}, RoundCase{-32768.5, -32768},
                      RoundCase{-32768.6, std::nullopt}, RoundCase{40000, std::nullopt},
                      RoundCase{1e300, std::nullopt},
                      RoundCase{-std::numeric_limits<double>::infinity(), std::nullopt},
                      RoundCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

TEST(FloorToInteger, TakesTheIntegerBelowAndRefusesWideValues)
{
    EXPECT_EQ(mrv::floorToInt16(6.9999995), 6);
    EXPECT_EQ(mrv::floorToInt16(0.0), 0);
    EXPECT_EQ(mrv::floorToInt16(-0.5), -1);
    EXPECT_EQ(mrv::floorToInt16(-32768.0), -32768);
    EXPECT_EQ(mrv::floorToInt16(32767.9), 32767);
    EXPECT_FALSE(mrv::floorToInt16(32768.0));
    EXPECT_FALSE(mrv::floorToInt16(-32768.1));
    // The largest single below 1, times 7 in double, still floors to 6.
    EXPECT_EQ(mrv::floorToInt16(static_cast<double>(std::nextafter(1.0f, 0.0f)) * 7.0), 6);
}

TEST(SinglePrecisionStorage, RoundsToTheNearestSingle)
{
    EXPECT_EQ(mrv::toSingle(361.98 * 100.0), 36198.0f);
    EXPECT_EQ(mrv::toSingle(361.981 * 100.0), 36198.1015625f);
    EXPECT_EQ(mrv::toSingle(361.985 * 100.0), 36198.5f);
    EXPECT_EQ(mrv::toSingle(36198.5 / 100.0), 361.9849853515625f);
    EXPECT_EQ(mrv::toSingle(318.28999 * 100.0), 31828.998046875f);
    EXPECT_EQ(static_cast<double>(*mrv::toSingle(361.98)), 361.980010986328125);
    EXPECT_EQ(static_cast<double>(*mrv::toSingle(11.46)), 11.46000003814697265625);
    // Every two-decimal entry in the accepted range is stored exactly.
    for (int h = 1147; h <= 66681; ++h) {
        std::string text =
            std::to_string(h / 100) + "." + (h % 100 < 10 ? "0" : "") + std::to_string(h % 100);
        ASSERT_EQ(mrv::toSingle(*mrv::readLeadingNumber(text) * 100.0), static_cast<float>(h)) << text;
    }
}

TEST(SinglePrecisionStorage, OverflowsOnlyBeyondTheSingleRange)
{
    EXPECT_EQ(mrv::toSingle(3.4028235e38), std::numeric_limits<float>::max());
    EXPECT_FALSE(mrv::toSingle(3.5e38));
    EXPECT_FALSE(mrv::toSingle(-1e39));
    EXPECT_EQ(mrv::toSingle(1e-50), 0.0f);
}

struct SingleTextCase {
    float value;
    const char* expected;
};

class SingleNumberText : public ::testing::TestWithParam<SingleTextCase> {};

TEST_P(SingleNumberText, WritesSevenSignificantDigits)
{
    EXPECT_EQ(mrv::numberText(GetParam().value, "."), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SingleNumberText,
    ::testing::Values(SingleTextCase{4370.0f, "4370"}, SingleTextCase{4370.5f, "4370.5"},
                      SingleTextCase{4370.1015625f, "4370.102"}, SingleTextCase{0.001953125f, "0.001953125"},
                      SingleTextCase{0.5f, "0.5"}, SingleTextCase{34853.0f, "34853"},
                      SingleTextCase{0.1f, "0.1"}, SingleTextCase{1234567.0f, "1234567"},
                      SingleTextCase{12345678.0f, "1.234568E+07"}, SingleTextCase{0.00001f, "1E-05"},
                      SingleTextCase{-84.25f, "-84.25"}, SingleTextCase{-0.0f, "0"},
                      SingleTextCase{9999999.0f, "9999999"}, SingleTextCase{-30682.0f, "-30682"},
                      SingleTextCase{0.0001f, "0.0001"}, SingleTextCase{1e20f, "1E+20"},
                      // An exact tie at the seventh digit goes to the even digit.
                      SingleTextCase{1234567.5f, "1234568"}, SingleTextCase{1234568.5f, "1234568"}));

struct DoubleTextCase {
    double value;
    const char* expected;
};

class DoubleNumberText : public ::testing::TestWithParam<DoubleTextCase> {};

TEST_P(DoubleNumberText, WritesFifteenSignificantDigits)
{
    EXPECT_EQ(mrv::numberText(GetParam().value, "."), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleNumberText,
    ::testing::Values(DoubleTextCase{2002.7, "2002.7"}, DoubleTextCase{0.1 + 0.2, "0.3"},
                      DoubleTextCase{1.0 / 3.0, "0.333333333333333"}, DoubleTextCase{0.0001, "0.0001"},
                      DoubleTextCase{0.0000001, "1E-07"},
                      DoubleTextCase{999999999999999.0, "999999999999999"}, DoubleTextCase{1e15, "1E+15"},
                      DoubleTextCase{1.5e-300, "1.5E-300"}, DoubleTextCase{34853.0001, "34853.0001"},
                      DoubleTextCase{-0.0, "0"}, DoubleTextCase{-30681.0, "-30681"},
                      DoubleTextCase{-999999999999999.0, "-999999999999999"}));

TEST(NumberText, IntegersAndSeparators)
{
    EXPECT_EQ(mrv::numberText(std::int16_t{0}), "0");
    EXPECT_EQ(mrv::numberText(std::int16_t{2284}), "2284");
    EXPECT_EQ(mrv::numberText(std::int16_t{-84}), "-84");
    EXPECT_EQ(mrv::numberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(mrv::numberText(4370.5f, ","), "4370,5");
    EXPECT_EQ(mrv::numberText(12345678.0f, ","), "1,234568E+07");
    EXPECT_EQ(mrv::numberText(0.5, "\xd9\xab"), "0\xd9\xab"
                                                "5"); // a multi-byte separator
}

struct FixedCase {
    float value;
    const char* separator;
    const char* expected;
};

class FixedTwoDecimalText : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedTwoDecimalText, WritesExactlyTwoDecimals)
{
    EXPECT_EQ(mrv::fixedTwoDecimalText(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FixedTwoDecimalText,
                         ::testing::Values(FixedCase{361.98f, ".", "361.98"}, FixedCase{0.0f, ".", "0.00"},
                                           FixedCase{256.0f, ".", "256.00"}, FixedCase{0.5f, ".", "0.50"},
                                           FixedCase{1234.5f, ".", "1234.50"},
                                           FixedCase{11.46f, ".", "11.46"}, FixedCase{361.98f, ",", "361,98"},
                                           FixedCase{-0.004f, ".", "0.00"}, FixedCase{-1.25f, ".", "-1.25"},
                                           // Near-halfway singles round by their binary value.
                                           FixedCase{361.985f, ".", "361.98"},
                                           FixedCase{338.305f, ".", "338.30"},
                                           FixedCase{318.285f, ".", "318.29"},
                                           // Exact binary ties go to the even digit.
                                           FixedCase{318.125f, ".", "318.12"},
                                           FixedCase{318.375f, ".", "318.38"},
                                           FixedCase{1e10f, ".", "10000000000.00"},
                                           // Beyond 2^53 cents: written from the exact value too.
                                           FixedCase{1e20f, ".", "100000002004087734272.00"},
                                           FixedCase{-3e14f, ",", "-300000009519104,00"}));

TEST(DynamicNumberTest, KindDecidesTextAndAbsoluteValue)
{
    EXPECT_EQ(DynamicNumber().abs()->text("."), "0");
    EXPECT_TRUE(DynamicNumber().abs()->isInteger());
    EXPECT_EQ(DynamicNumber(-4370.1015625f).abs()->text("."), "4370.102");
    EXPECT_TRUE(DynamicNumber(-1.5f).abs()->isSingle());
    EXPECT_EQ(DynamicNumber(-2002.5).abs()->text("."), "2002.5");
    EXPECT_TRUE(DynamicNumber(-2002.5).abs()->isDouble());
    EXPECT_EQ(DynamicNumber(std::int16_t{-84}).abs()->text("."), "84");
    EXPECT_FALSE(DynamicNumber(std::int16_t{-32768}).abs().has_value());
    // Same value, different kinds, different texts.
    EXPECT_EQ(DynamicNumber(0.1f).text("."), "0.1");
    EXPECT_EQ(DynamicNumber(static_cast<double>(0.1f)).text("."), "0.100000001490116");
}

TEST(DynamicNumberTest, ComparesExactValuesAndEmptyAsZero)
{
    EXPECT_FALSE(DynamicNumber() > 0.0);
    EXPECT_FALSE(DynamicNumber() < 0.0);
    EXPECT_TRUE(DynamicNumber(1e-7) > 0.0);
    EXPECT_FALSE(DynamicNumber(-0.0) > 0.0);
    EXPECT_TRUE(DynamicNumber(std::int16_t{-1}) < 0.0);
    EXPECT_TRUE(DynamicNumber(0.1f) > 0.1); // the single nearest 0.1 lies above the double
}

} // namespace
