#include "core/AdvanceCurve.h"

#include "core/NumberText.h"

namespace vortalin {

Outcome BuildAdvanceCurve(const TAdvanceTable& table, std::string_view decimalSeparator,
                          CurveSink& sink) {
    sink.Clear();
    try {
        for (int row = 1; row <= kCurvePointCount; ++row) {
            const double angle = ParseFloat(table.Cell(tcAdvance, row), decimalSeparator);
            sink.Append({CurveRpm[row - 1], angle, kCurveColour});
        }
    } catch (const ConversionError& error) {
        return Outcome::Error(error.message());
    }
    return Outcome::Done();
}

}  // namespace vortalin
