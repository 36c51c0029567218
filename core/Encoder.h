#pragma once

#include <string>
#include <string_view>

#include "core/AdvanceCurve.h"
#include "core/AdvanceTable.h"
#include "core/Outcome.h"

namespace vortalin {

struct EncodeResult {
    Outcome outcome;
    std::string fragment;  // the new listing; set only when the outcome is done
};

// Takes the edited angles back to counts, bytes and load words, column by
// column, and writes a new routine after the input's table-address words.
EncodeResult EncodeFragment(TAdvanceTable& table, std::string_view sensorAngleText,
                            std::string_view inputFragment, std::string_view decimalSeparator,
                            CurveSink& sink);

}  // namespace vortalin
