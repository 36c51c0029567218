#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vortalin {

// The firmware's timer advances the spark 1.4 degrees per count. The original
// arithmetic holds 1.4 with a 64-bit significand; these functions reproduce
// that arithmetic exactly with integers, whatever `long double` is here.

// SensorAngle - count * 1.4, written exactly (at most one decimal place) with
// the given decimal separator: (3, 20) -> "15,8", (10, 14) -> "0".
std::string CountToAngle(std::int32_t count, std::int32_t sensorAngle,
                         std::string_view decimalSeparator);

// (SensorAngle - angle) / 1.4 formed with a 64-bit significand at each step,
// then rounded to a double.
double AngleQuotient(double angle, std::int32_t sensorAngle);

// Rounds to the nearest integer, ties to even; the result is a double so that
// values beyond every integer type can still be judged.
double RoundHalfEven(double value);

// The count an angle text stands for, before any cut to an integer type.
// Throws ConversionError when the text is not a float text.
double RoundedAngleCount(std::string_view angleText, std::int32_t sensorAngle,
                         std::string_view decimalSeparator);

// As the original: the rounded count as a 64-bit integer whose low 32 bits are
// taken as a signed count. Throws ConversionError when the text is not a float text.
std::int32_t AngleToCount(std::string_view angleText, std::int32_t sensorAngle,
                          std::string_view decimalSeparator);

}  // namespace vortalin
