#pragma once

#include <string_view>

#include "core/AdvanceCurve.h"
#include "core/AdvanceTable.h"
#include "core/Outcome.h"

namespace vortalin {

// Reads the firmware routine that fills the advance table from a hex listing
// (UTF-8; a line break counts as its two characters CR LF) into columns 1..4,
// column by column, then redraws the curve.
Outcome DecodeFragment(TAdvanceTable& table, std::string_view fragment,
                       std::string_view sensorAngleText, std::string_view decimalSeparator,
                       CurveSink& sink);

}  // namespace vortalin
