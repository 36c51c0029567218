#include "core/ExactAngle.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Extended.h"
#include "core/NumberText.h"

namespace vortalin {
namespace {

// 1.4 rounded to a 64-bit significand: 0xB333333333333333 * 2^-63.
const detail::Extended kDegreesPerCount{false, 0xB333333333333333u, -63};

}  // namespace

std::string CountToAngle(std::int32_t count, std::int32_t sensorAngle,
                         std::string_view decimalSeparator) {
    // In tenths of a degree the angle is an exact integer. The original's
    // extended-precision result, rounded to a double and written with 15
    // significant digits, is this very decimal for every 32-bit count and
    // sensor angle, so no floating point is needed here.
    const std::int64_t tenths = std::int64_t{sensorAngle} * 10 - std::int64_t{count} * 14;
    const std::int64_t magnitude = std::llabs(tenths);
    std::string text = tenths < 0 ? "-" : "";
    text += IntegerText(magnitude / 10);
    if (magnitude % 10 != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + magnitude % 10);
    }
    return text;
}

double AngleQuotient(double angle, std::int32_t sensorAngle) {
    using detail::Extended;
    const Extended difference =
        detail::Subtract(Extended::FromInt(sensorAngle), Extended::FromDouble(angle));
    return detail::Divide(difference, kDegreesPerCount).ToDouble();
}

double RoundHalfEven(double value) {
    // Works on the magnitude, where value - floor(value) is exact (for negative
    // values that difference can round, and a near-half would become a tie).
    const double magnitude = std::fabs(value);
    const double below = std::floor(magnitude);
    const double fraction = magnitude - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) rounded = below + 1;
    return std::copysign(rounded, value);
}

double RoundedAngleCount(std::string_view angleText, std::int32_t sensorAngle,
                         std::string_view decimalSeparator) {
    return RoundHalfEven(AngleQuotient(ParseFloat(angleText, decimalSeparator), sensorAngle));
}

std::int32_t AngleToCount(std::string_view angleText, std::int32_t sensorAngle,
                          std::string_view decimalSeparator) {
    const double rounded = RoundedAngleCount(angleText, sensorAngle, decimalSeparator);
    // The low 32 bits of the integer, taken without passing through an integer
    // type that could overflow.
    double low = std::fmod(rounded, 4294967296.0);
    if (low < 0) low += 4294967296.0;
    const auto bits = static_cast<std::uint32_t>(low);
    return static_cast<std::int32_t>(bits);
}

}  // namespace vortalin
