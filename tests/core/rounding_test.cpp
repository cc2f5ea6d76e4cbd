#include "NumberReader.h"
#include "Rounding.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace {

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
    // Exactly halfway between the largest single and 2^128 rounds to even: away.
    EXPECT_EQ(mrv::toSingle(std::nextafter(0x1.ffffffp127, 0.0)), std::numeric_limits<float>::max());
    EXPECT_FALSE(mrv::toSingle(0x1.ffffffp127));
    EXPECT_FALSE(mrv::toSingle(3.5e38));
    EXPECT_FALSE(mrv::toSingle(-1e39));
    EXPECT_EQ(mrv::toSingle(1e-50), 0.0f);
}

} // namespace
