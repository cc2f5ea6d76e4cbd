#include "NumberText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

// What a writing rule writes, as a string.
template <typename T> std::string numberText(T value, std::string_view separator)
{
    char buffer[mrv::kMaxNumberText + 16];
    return std::string(buffer, mrv::writeNumberText(buffer, value, separator));
}

std::string fixedTwoDecimalText(float value, std::string_view separator)
{
    char buffer[mrv::kMaxNumberText + 16];
    return std::string(buffer, mrv::writeFixedTwoDecimalText(buffer, value, separator));
}

struct SingleTextCase {
    float value;
    const char* expected;
};

class SingleNumberText : public ::testing::TestWithParam<SingleTextCase> {};

TEST_P(SingleNumberText, WritesSevenSignificantDigits)
{
    EXPECT_EQ(numberText(GetParam().value, "."), GetParam().expected);
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
    EXPECT_EQ(numberText(GetParam().value, "."), GetParam().expected);
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

TEST(NumberText, Separators)
{
    EXPECT_EQ(numberText(4370.5f, ","), "4370,5");
    EXPECT_EQ(numberText(12345678.0f, ","), "1,234568E+07");
    EXPECT_EQ(numberText(0.5, "\xd9\xab"), "0\xd9\xab"
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
    EXPECT_EQ(fixedTwoDecimalText(GetParam().value, GetParam().separator), GetParam().expected);
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

} // namespace
