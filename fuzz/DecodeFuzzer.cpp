// The decoder on arbitrary fragment text and sensor-angle text.
//
// Input: [sensor-angle text 0x1F] fragment text. Without a separator the
// sensor is 20.

#include <string>

#include "FuzzSupport.h"

namespace vortalin::fuzz {
namespace {

bool SameColumn(const TAdvanceTable& a, const TAdvanceTable& b, int column) {
    for (int row = 0; row < kRowCount; ++row) {
        if (a.Cell(column, row) != b.Cell(column, row)) return false;
    }
    return true;
}

void CheckDecode(std::string_view fragment, std::string_view sensorText,
                 std::string_view separator) {
    const TAdvanceTable before;
    TAdvanceTable table = before;
    CountingSink sink;
    sink.points.assign(3, TCurvePoint{});  // stands for an earlier curve
    const Outcome outcome = DecodeFragment(table, fragment, sensorText, separator, sink);
    RequireWrittenCellsValid(before, table);

    if (fragment.empty() || fragment.find("E0B") == std::string_view::npos) {
        Require(outcome.kind == Outcome::Kind::Warning, "no routine but no warning", fragment);
        Require(outcome.message == (fragment.empty() ? kNoInputWarning : kNoMarkerWarning),
                "wrong warning", outcome.message);
        Require(table == before && sink.points.size() == 3, "a warning changed something");
        return;
    }
    // The counts come from hex digits alone, so they always fit a byte.
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::int32_t count = ParseInteger(table.Cell(tcDec, row));
        Require(count >= 0 && count <= 255, "decoded count outside a byte");
    }
    // Counts always parse; only the sensor-angle text can fail, at the first row.
    if (outcome.kind == Outcome::Kind::ConversionError) {
        Require(outcome.message == IntegerErrorMessage(sensorText), "unexpected conversion error",
                outcome.message);
        Require(SameColumn(table, before, tcAdvance) && sink.points.size() == 3,
                "a failed sensor angle still changed the angles or the curve");
        return;
    }
    Require(outcome.IsDone(), "decode neither done nor failed", outcome.message);
    const std::int32_t sensorAngle = ParseInteger(sensorText);
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::int32_t count = ParseInteger(table.Cell(tcDec, row));
        Require(table.Cell(tcAdvance, row) == CountToAngle(count, sensorAngle, separator),
                "angle is not the count's angle", table.Cell(tcAdvance, row));
    }
    Require(sink.points.size() == kCurvePointCount, "a decode did not draw 25 points");
    for (int row = 1; row <= kCurvePointCount; ++row) {
        const TCurvePoint& point = sink.points[row - 1];
        Require(point.x == CurveRpm[row - 1] &&
                    point.y == ParseFloat(table.Cell(tcAdvance, row), separator),
                "curve point differs from its row");
    }
    // Decoding the same text again gives the same table.
    TAdvanceTable again = table;
    CountingSink againSink;
    Require(DecodeFragment(again, fragment, sensorText, separator, againSink).IsDone() &&
                again == table,
            "a second decode differs");
}

}  // namespace
}  // namespace vortalin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vortalin::fuzz;
    const auto fields = Fields(data, size, 2);
    const std::string_view sensorText = fields.size() == 2 ? fields[0] : "20";
    for (const std::string_view separator : kSeparators) {
        CheckDecode(fields.back(), sensorText, separator);
    }
    return 0;
}
