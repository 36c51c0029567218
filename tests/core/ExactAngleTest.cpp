#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/ExactAngle.h"
#include "core/NumberText.h"

namespace vortalin {
namespace {

TEST(CountToAngle, WritesTheExactDecimalWithTheLocaleSeparator) {
    const struct {
        std::int32_t count, sensor;
        std::string_view comma, point;
    } cases[] = {{3, 20, "15,8", "15.8"},
                 {0, 20, "20", "20"},
                 {255, 20, "-337", "-337"},
                 {10, 14, "0", "0"},
                 {3, 5, "0,8", "0.8"},
                 {4, 5, "-0,6", "-0.6"},
                 {1, 0, "-1,4", "-1.4"},
                 {255, -999, "-1356", "-1356"},
                 {0, -7, "-7", "-7"},
                 {-1, 20, "21,4", "21.4"},
                 {300, 20, "-400", "-400"},
                 {std::numeric_limits<std::int32_t>::max(), 0, "-3006477105,8", "-3006477105.8"},
                 {std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::min(), "858993459,2", "858993459.2"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CountToAngle(c.count, c.sensor, ","), c.comma) << c.count << " @ " << c.sensor;
        EXPECT_EQ(CountToAngle(c.count, c.sensor, "."), c.point) << c.count << " @ " << c.sensor;
    }
}

TEST(AngleToCount, RoundsTheBinaryQuotientHalfToEven) {
    // Sensor 20: the quotient of 16,5 is exactly 2.5 (ties to 2); 13,7 and 12,3
    // come out just off the half and go to 5; 19,3 lies just under 0.5.
    const struct {
        std::string_view text;
        std::int32_t count;
    } cases[] = {{"15,8", 3},   {"16,5", 2}, {"13,7", 5}, {"12,3", 5}, {"19,3", 0}, {"21", -1},
                 {"-337", 255}, {"20", 0},   {" 20 ", 0}, {"0", 14},   {"-0", 14}};
    for (const auto& c : cases) EXPECT_EQ(AngleToCount(c.text, 20, ","), c.count) << c.text;
    EXPECT_EQ(AngleToCount("15.8", 20, "."), 3);
}

TEST(AngleQuotient, KeepsTheExtendedPrecisionResidues) {
    EXPECT_EQ(AngleQuotient(16.5, 20), 2.5);
    EXPECT_EQ(AngleQuotient(13.7, 20), 4.500000000000001);
    EXPECT_EQ(AngleQuotient(12.3, 20), 5.499999999999999);
    EXPECT_EQ(AngleQuotient(19.3, 20), 0.4999999999999995);
    EXPECT_EQ(AngleQuotient(20, 20), 0.0);
}

TEST(AngleToCount, TakesTheLow32BitsOfHugeCounts) {
    // 2^32 + 5 counts below sensor 0 wraps to 5; the encoder refuses such a
    // count before it is ever cut, this only pins the rule itself.
    const double angle = -(4294967296.0 + 5) * 1.4;
    EXPECT_EQ(AngleToCount(std::to_string(angle), 0, "."),
              static_cast<std::int32_t>(RoundHalfEven(AngleQuotient(angle, 0)) - 4294967296.0));
    EXPECT_EQ(AngleToCount("-1e300", 0, "."), 0);
}

TEST(AngleToCount, MalformedTextIsTheFloatError) {
    try {
        AngleToCount("15.8", 20, ",");
        FAIL() << "15.8 accepted with a comma separator";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'15.8' is not a valid floating point value");
    }
    EXPECT_THROW(AngleToCount("", 20, ","), ConversionError);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    const struct {
        double value, rounded;
    } cases[] = {{0.5, 0},
                 {1.5, 2},
                 {2.5, 2},
                 {-0.5, -0.0},
                 {-1.5, -2},
                 {-2.5, -2},
                 {0.49999999999999994, 0},
                 {-0.49999999999999994, -0.0},
                 {4.500000000000001, 5},
                 {5.499999999999999, 5},
                 {-1.4999999999999998, -1},
                 {1e300, 1e300},
                 {4503599627370497.0, 4503599627370497.0},
                 {2.4999999999999996, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
        EXPECT_EQ(std::signbit(RoundHalfEven(c.value)), std::signbit(c.rounded)) << c.value;
    }
}

TEST(CountToAngle, EveryByteRoundTripsForEverySensorAngle) {
    for (const char* separator : {",", "."}) {
        for (int sensor = -99; sensor <= 99; ++sensor) {
            for (int count = 0; count <= 255; ++count) {
                const std::string text = CountToAngle(count, sensor, separator);
                ASSERT_EQ(AngleToCount(text, sensor, separator), count)
                    << text << " at sensor " << sensor;
            }
        }
    }
}

}  // namespace
}  // namespace vortalin
