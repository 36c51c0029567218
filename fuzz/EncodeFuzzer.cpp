// The encoder on arbitrary cell texts, sensor-angle text and fragment text.
//
// Input: sensor-angle text 0x1F fragment text { 0x1F edit }. The fragment is
// decoded first, so that the table holds angles as after a real decode; then
// each edit writes one cell: its first byte chooses the cell (below 128: the
// angle of row 1 + byte % 32; otherwise any cell of the table), the rest is
// the new text. A lone text is the fragment, with the sensor at 20.

#include <span>
#include <string>

#include "FuzzSupport.h"
#include "core/Utf8.h"

namespace vortalin::fuzz {
namespace {

constexpr std::size_t kMostFields = 2 + 64;
constexpr std::size_t kRoutineTail = 32 * 8 + 4;  // load/store pairs and RET, in bytes

void ApplyEdit(TAdvanceTable& table, std::string_view edit) {
    if (edit.empty()) return;
    const auto selector = static_cast<unsigned char>(edit[0]);
    const std::string text(edit.substr(1));
    if (selector < 128) {
        table.SetCell(tcAdvance, 1 + selector % kEntryCount, text);
    } else {
        const int cell = selector - 128;
        table.SetCell(cell % kColumnCount, (cell / kColumnCount) % kRowCount, text);
    }
}

bool IsUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool SameColumns(const TAdvanceTable& a, const TAdvanceTable& b,
                 std::initializer_list<int> columns) {
    for (const int column : columns) {
        for (int row = 0; row < kRowCount; ++row) {
            if (a.Cell(column, row) != b.Cell(column, row)) return false;
        }
    }
    return true;
}

// The new routine after the carried prefix: 32 x (E K1 0 K2, store), RET, each
// load word being the row's word and count.
void CheckRoutine(const TAdvanceTable& table, std::string_view tail) {
    for (int row = 1; row <= kEntryCount; ++row) {
        const std::string_view pair = tail.substr(8 * (row - 1), 8);
        const std::string& word = table.Cell(tcWord, row);
        Require(pair.substr(0, 4) == word, "output word differs from its cell", word);
        Require(word.size() == 4 && word[0] == 'E' && word[2] == '0' && IsUpperHexDigit(word[1]) &&
                    IsUpperHexDigit(word[3]),
                "written word is not LDI r16,K", word);
        Require(pair.substr(4) == (row < kEntryCount ? "930D" : "930C"), "wrong store word");
        const int count = ParseInteger(table.Cell(tcDec, row));
        Require(count >= 0 && count <= 255, "written count outside a byte");
        Require(count == HexDigitValue(word.substr(1, 1)) * 16 + HexDigitValue(word.substr(3, 1)),
                "word does not hold the count");
        Require(table.Cell(tcHex, row) == word.substr(1, 1) + word.substr(3, 1),
                "hex cell does not match the word");
    }
    Require(tail.substr(kRoutineTail - 4) == "9508", "routine does not end in RET");
}

void CheckEncode(std::string_view sensorText, std::string_view fragment,
                 std::span<const std::string_view> edits, std::string_view separator) {
    TAdvanceTable table;
    CountingSink sink;
    DecodeFragment(table, fragment, sensorText, separator, sink);
    for (const std::string_view edit : edits) ApplyEdit(table, edit);
    const TAdvanceTable before = table;
    sink.points.assign(3, TCurvePoint{});  // stands for an earlier curve

    const EncodeResult result = EncodeFragment(table, sensorText, fragment, separator, sink);
    RequireWrittenCellsValid(before, table);
    const auto& [outcome, output] = result;
    if (!outcome.IsDone()) Require(output.empty(), "a stopped encode gave a fragment");

    const auto marker = fragment.find("E0B");
    if (before.Cell(tcAdvance, 11).empty() || marker == std::string_view::npos) {
        Require(outcome.kind == Outcome::Kind::Warning &&
                    outcome.message ==
                        (before.Cell(tcAdvance, 11).empty() ? kNoDataWarning : kNoMarkerWarning),
                "wrong or missing warning", outcome.message);
        Require(table == before && sink.points.size() == 3, "a warning changed something");
        return;
    }
    if (outcome.kind == Outcome::Kind::Warning) {
        Require(outcome.message.starts_with("УОЗ ") &&
                    outcome.message.find(" вне диапазона от ") != std::string::npos,
                "unexpected warning", outcome.message);
    }
    if (!outcome.IsDone()) {
        // A stop after the curve leaves counts written but bytes and words as they were.
        Require(SameColumns(table, before, {tcRpm, tcWord, tcHex, tcAdvance}),
                "a stopped encode changed more than the counts");
        Require(sink.points.size() <= kCurvePointCount, "too many points");
        return;
    }
    Require(sink.points.size() == kCurvePointCount, "an encode did not draw 25 points");
    Require(SameColumns(table, before, {tcRpm, tcAdvance}) &&
                table.Cell(tcWord, 0) == before.Cell(tcWord, 0),
            "the encoder changed angles, labels or the header");

    // Everything up to the end of the address words is the input's, byte for byte.
    Require(output.size() >= kRoutineTail, "output shorter than a routine");
    const std::size_t prefix = output.size() - kRoutineTail;
    Require(prefix <= fragment.size() && output.compare(0, prefix, fragment.substr(0, prefix)) == 0,
            "output does not begin with the input", output);
    Require(prefix >= std::min(marker + 8, fragment.size()) && prefix <= marker + 8 * 4,
            "the carried prefix does not end at the address words", output);
    CheckRoutine(table, std::string_view(output).substr(prefix));

    // Read back, the output gives the counts that were written; where the
    // input ended inside the address words the routine sits elsewhere than a
    // reader expects, as in the firmware, so only whole address words count.
    if (Characters(fragment.substr(marker), 8).size() < 8) return;
    TAdvanceTable reread;
    CountingSink rereadSink;
    Require(DecodeFragment(reread, output, sensorText, separator, rereadSink).IsDone(),
            "the output does not decode");
    for (int row = 1; row <= kEntryCount; ++row) {
        for (const int column : {tcWord, tcHex, tcDec}) {
            Require(reread.Cell(column, row) == table.Cell(column, row),
                    "decoding the output does not give the written counts");
        }
    }
    // And encoding it again, unedited, writes the very same text.
    const EncodeResult again = EncodeFragment(reread, sensorText, output, separator, rereadSink);
    Require(again.outcome.IsDone() && again.fragment == output, "re-encoding changed the output");
}

}  // namespace
}  // namespace vortalin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vortalin::fuzz;
    const auto fields = Fields(data, size, kMostFields);
    const std::string_view sensorText = fields.size() >= 2 ? fields[0] : "20";
    const std::string_view fragment = fields.size() >= 2 ? fields[1] : fields[0];
    const std::span<const std::string_view> edits =
        std::span(fields).subspan(std::min<std::size_t>(fields.size(), 2));
    for (const std::string_view separator : kSeparators) {
        CheckEncode(sensorText, fragment, edits, separator);
    }
    return 0;
}
