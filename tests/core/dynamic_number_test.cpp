#include "DynamicNumber.h"
#include "NumberText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

using mrv::DynamicNumber;

namespace {

std::string absText(const DynamicNumber& number, std::string_view separator = ".")
{
    char buffer[mrv::kMaxNumberText + 16];
    return std::string(buffer, number.writeAbsText(buffer, separator));
}

TEST(DynamicNumberTest, KindDecidesTheAbsoluteValuesText)
{
    EXPECT_EQ(absText(DynamicNumber()), "0"); // empty: the integer 0
    EXPECT_EQ(absText(DynamicNumber(-4370.1015625f)), "4370.102");
    EXPECT_EQ(absText(DynamicNumber(-2002.5)), "2002.5");
    EXPECT_EQ(absText(DynamicNumber(-2002.5), ","), "2002,5");
    EXPECT_EQ(absText(DynamicNumber(std::int16_t{-84})), "84");
    EXPECT_EQ(absText(DynamicNumber(std::int16_t{2284})), "2284");
    EXPECT_EQ(absText(DynamicNumber(std::int16_t{0})), "0");
    EXPECT_EQ(absText(DynamicNumber(std::int16_t{-32768})), "");      // no absolute value
    EXPECT_EQ(absText(DynamicNumber(std::int32_t{-34853})), "34853"); // beyond 16 bits
    EXPECT_EQ(absText(DynamicNumber(-0.0)), "0");
    EXPECT_EQ(absText(DynamicNumber(-30682.0f)), "30682");
    // Same value, different kinds, different texts.
    EXPECT_EQ(absText(DynamicNumber(0.1f)), "0.1");
    EXPECT_EQ(absText(DynamicNumber(static_cast<double>(0.1f))), "0.100000001490116");
    EXPECT_EQ(absText(DynamicNumber(-12345678.0f)), "1.234568E+07");
    EXPECT_EQ(absText(DynamicNumber(-1e15)), "1E+15");
}

TEST(DynamicNumberTest, ComparesExactValuesAndEmptyAsZero)
{
    EXPECT_FALSE(DynamicNumber() > 0.0);
    EXPECT_TRUE(DynamicNumber() > -0.5);
    EXPECT_TRUE(DynamicNumber(1e-7) > 0.0);
    EXPECT_FALSE(DynamicNumber(-0.0) > 0.0);
    EXPECT_FALSE(DynamicNumber(std::int16_t{-1}) > 0.0);
    EXPECT_TRUE(DynamicNumber(0.1f) > 0.1); // the single nearest 0.1 lies above the double
}

} // namespace
