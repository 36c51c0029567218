#include "core/Encoder.h"

#include <string>

#include "core/ExactAngle.h"
#include "core/Fragment.h"
#include "core/NumberText.h"
#include "core/Utf8.h"

namespace vortalin {
namespace {

constexpr int kCheckedRow = 11;  // the 2800 rpm row must hold an angle
constexpr double kLargestCount = 255;

std::string OutOfRangeWarning(const std::string& angleText, int row, std::int32_t sensorAngle,
                              std::string_view decimalSeparator) {
    return "УОЗ " + angleText + " при " + std::string(RpmAxis[row - 1]) +
           " об/мин вне диапазона от " + CountToAngle(255, sensorAngle, decimalSeparator) + " до " +
           CountToAngle(0, sensorAngle, decimalSeparator);
}

// Everything of the input up to the end of the two table-address words, byte
// for byte, then a fresh routine.
std::string BuildFragment(const TAdvanceTable& table, std::string_view input, std::size_t marker) {
    std::string output(input.substr(0, marker));
    for (const std::string_view character : Characters(input.substr(marker), kAddressWordsLength)) {
        output += character;
    }
    for (int row = 1; row <= kEntryCount; ++row) {
        output += table.Cell(tcWord, row);
        output += row < kEntryCount ? kStoreAdvance : kStoreLast;
    }
    output += kReturn;
    return output;
}

}  // namespace

EncodeResult EncodeFragment(TAdvanceTable& table, std::string_view sensorAngleText,
                            std::string_view inputFragment, std::string_view decimalSeparator,
                            CurveSink& sink) {
    if (table.Cell(tcAdvance, kCheckedRow).empty()) return {Outcome::Warning(kNoDataWarning), {}};
    const auto marker = FindMarker(inputFragment);
    if (!marker) return {Outcome::Warning(kNoMarkerWarning), {}};

    if (Outcome curve = BuildAdvanceCurve(table, decimalSeparator, sink); !curve.IsDone()) {
        return {std::move(curve), {}};
    }
    try {
        for (int row = 1; row <= kEntryCount; ++row) {
            const std::string& angleText = table.Cell(tcAdvance, row);
            const std::int32_t sensorAngle = ParseInteger(sensorAngleText);
            const double count = RoundedAngleCount(angleText, sensorAngle, decimalSeparator);
            // A count beyond a byte would reach the firmware cut to some other
            // byte: refuse it, judged before any cut to an integer type.
            if (!(count >= 0 && count <= kLargestCount)) {
                return {Outcome::Warning(
                            OutOfRangeWarning(angleText, row, sensorAngle, decimalSeparator)),
                        {}};
            }
            table.SetCell(tcDec, row, IntegerText(static_cast<std::int64_t>(count)));
        }
        for (int row = 1; row <= kEntryCount; ++row) {
            table.SetCell(tcHex, row, HexText(ParseInteger(table.Cell(tcDec, row))));
        }
    } catch (const ConversionError& error) {
        return {Outcome::Error(error.message()), {}};
    }
    // LDI r16, K is written E K1 0 K2.
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::string& hex = table.Cell(tcHex, row);
        table.SetCell(
            tcWord, row,
            "E" + std::string(CharacterAt(hex, 0)) + "0" + std::string(CharacterAt(hex, 1)));
    }
    return {Outcome::Done(), BuildFragment(table, inputFragment, *marker)};
}

}  // namespace vortalin
