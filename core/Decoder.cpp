#include "core/Decoder.h"

#include <string>

#include "core/ExactAngle.h"
#include "core/Fragment.h"
#include "core/NumberText.h"
#include "core/Utf8.h"

namespace vortalin {

Outcome DecodeFragment(TAdvanceTable& table, std::string_view fragment,
                       std::string_view sensorAngleText, std::string_view decimalSeparator,
                       CurveSink& sink) {
    if (fragment.empty()) return Outcome::Warning(kNoInputWarning);
    const auto marker = FindMarker(fragment);
    if (!marker) return Outcome::Warning(kNoMarkerWarning);

    // Positions count characters from the marker; the routine is read as it
    // stands, so a line break inside it shifts every later word.
    const auto routine = Characters(fragment.substr(*marker), kRoutineLength);
    const auto characterAt = [&](std::size_t offset) {
        return offset < routine.size() ? CharacterText(routine[offset]) : std::string{};
    };

    // Each column is finished for all rows before the next starts, each read
    // back from the cells of the one before.
    table.SetCell(tcWord, 0, "таб." + characterAt(kAddressDigitOffset));
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::size_t start = kEntryStride * static_cast<std::size_t>(row);
        std::string word;
        for (std::size_t i = 0; i < kWordLength; ++i) word += characterAt(start + i);
        table.SetCell(tcWord, row, std::move(word));
    }
    // LDI r16, K is written E K1 0 K2: the byte's digits are the word's second and fourth.
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::string& word = table.Cell(tcWord, row);
        table.SetCell(tcHex, row,
                      std::string(CharacterAt(word, 1)) + std::string(CharacterAt(word, 3)));
    }
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::string& hex = table.Cell(tcHex, row);
        const int count =
            16 * HexDigitValue(CharacterAt(hex, 0)) + HexDigitValue(CharacterAt(hex, 1));
        table.SetCell(tcDec, row, IntegerText(count));
    }
    try {
        for (int row = 1; row <= kEntryCount; ++row) {
            const std::int32_t count = ParseInteger(table.Cell(tcDec, row));
            const std::int32_t sensorAngle = ParseInteger(sensorAngleText);
            table.SetCell(tcAdvance, row, CountToAngle(count, sensorAngle, decimalSeparator));
        }
    } catch (const ConversionError& error) {
        return Outcome::Error(error.message());
    }
    return BuildAdvanceCurve(table, decimalSeparator, sink);
}

}  // namespace vortalin
