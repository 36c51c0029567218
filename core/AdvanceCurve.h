#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/AdvanceTable.h"
#include "core/Outcome.h"

namespace vortalin {

// Only the first 25 speed steps (500 to 9000 rpm) are drawn.
inline constexpr int kCurvePointCount = 25;

// Engine speeds of rows 1..25, held as numbers (index 0 is row 1).
inline constexpr std::array<double, kCurvePointCount> CurveRpm = {
    500,  600,  800,  1000, 1200, 1500, 1800, 2000, 2200, 2500, 2800, 3000, 3500,
    3900, 4200, 4700, 5100, 5600, 6100, 6500, 6900, 7300, 7800, 8300, 9000};

// The curve is drawn in red, the series' own colour (0xRRGGBB).
inline constexpr std::uint32_t kCurveColour = 0xFF0000;

struct TCurvePoint {
    double x = 0;  // engine speed, rpm
    double y = 0;  // advance angle, degrees
    std::uint32_t colour = kCurveColour;

    bool operator==(const TCurvePoint&) const = default;
};

// Where the curve's points go: the chart on screen, a vector in tests.
class CurveSink {
  public:
    virtual ~CurveSink() = default;
    virtual void Clear() = 0;
    virtual void Append(const TCurvePoint& point) = 0;
};

// Clears the sink, then appends rows 1..25 one at a time as their angles
// parse; a malformed angle stops it with the points before it in the sink.
Outcome BuildAdvanceCurve(const TAdvanceTable& table, std::string_view decimalSeparator,
                          CurveSink& sink);

}  // namespace vortalin
