// Checks the integer emulation of the extended-precision angle arithmetic
// against the compiler's own `long double`, where that is the x87 format.
#include <gtest/gtest.h>

#include <bit>
#include <cinttypes>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "core/ExactAngle.h"
#include "core/NumberText.h"

namespace vortalin {
namespace {

constexpr bool kHasExtended = std::numeric_limits<long double>::digits == 64;

double ExtendedQuotient(double angle, std::int32_t sensor) {
    volatile long double difference = static_cast<long double>(sensor) - angle;
    volatile long double quotient = difference / 1.4L;
    return static_cast<double>(quotient);
}

std::string ExtendedAngleText(std::int32_t count, std::int32_t sensor) {
    volatile long double angle = static_cast<long double>(sensor) - count * 1.4L;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", static_cast<double>(angle));
    return buffer;
}

bool SameDouble(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

class ExtendedCrossCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!kHasExtended) GTEST_SKIP() << "long double here is not the 64-bit-significand format";
    }
};

TEST_F(ExtendedCrossCheck, CountToAngleMatchesForEverySensorAngleAndByte) {
    for (int sensor = -999; sensor <= 999; ++sensor) {
        for (int count = 0; count <= 255; ++count) {
            ASSERT_EQ(CountToAngle(count, sensor, "."), ExtendedAngleText(count, sensor))
                << "count " << count << " sensor " << sensor;
        }
    }
}

TEST_F(ExtendedCrossCheck, AngleTextsInHundredthsMatchForEverySensorAngle) {
    // Every angle from -400 to 120 in steps of 0.01, as a user would type it.
    for (int hundredths = -40000; hundredths <= 12000; ++hundredths) {
        const int magnitude = hundredths < 0 ? -hundredths : hundredths;
        char text[32];
        std::snprintf(text, sizeof text, "%s%d,%02d", hundredths < 0 ? "-" : "", magnitude / 100,
                      magnitude % 100);
        const double angle = ParseFloat(text, ",");
        for (int sensor = -99; sensor <= 99; ++sensor) {
            const double expected = ExtendedQuotient(angle, sensor);
            const double got = AngleQuotient(angle, sensor);
            ASSERT_TRUE(SameDouble(got, expected))
                << text << " at sensor " << sensor << ": " << got << " vs " << expected;
        }
    }
}

TEST_F(ExtendedCrossCheck, RandomDoublesMatch) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> sensors(-99, 99);
    std::uniform_int_distribution<std::int64_t> wideSensors(
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    std::uniform_real_distribution<double> nearby(-400, 120);
    for (int i = 0; i < 3'000'000; ++i) {
        double angle = 0;
        switch (i % 3) {
            case 0:  // any finite double, subnormals included
                do angle = std::bit_cast<double>(random());
                while (!std::isfinite(angle));
                break;
            case 1:
                angle = nearby(random);
                break;
            default:  // near the ties: a sensor angle minus a half count
                angle = 20 - (static_cast<double>(random() % 512) + 0.5) * 1.4;
                angle = std::nextafter(angle, (random() & 1) ? 1e9 : -1e9);
        }
        const auto sensor =
            static_cast<std::int32_t>((i & 1) ? sensors(random) : wideSensors(random));
        const double expected = ExtendedQuotient(angle, sensor);
        const double got = AngleQuotient(angle, sensor);
        ASSERT_TRUE(SameDouble(got, expected)) << std::hexfloat << angle << " at sensor " << sensor
                                               << ": " << got << " vs " << expected;
    }
}

}  // namespace
}  // namespace vortalin
