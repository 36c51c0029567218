// The encoder against the AVR disassembler: every listing it writes must be
// the firmware's table routine, instruction by instruction, loading exactly
// the counts the angles stand for.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "AvrTools.h"
#include "CaseText.h"
#include "Listing.h"
#include "PastedListing.h"
#include "RandomAvr.h"
#include "RecordingSink.h"
#include "core/AdvanceConversion.h"

namespace vortalin::oracle {
namespace {

constexpr int kCaseCount = 300;
constexpr std::size_t kRoutineCharacters = 268;
constexpr std::size_t kRoutineBytes = kRoutineCharacters / 2;
constexpr std::size_t kAddressCharacters = 8;  // the two loads the encoder carries over

struct EncodeCase {
    int sensor = 0;
    std::string separator;
    int high = 0;
    int low = 0;
    Counts counts{};                     // what the firmware must load
    std::array<std::string, 32> angles;  // the advance column as edited
    PastedCase pasted;                   // the input listing
};

// An angle as the user types it: less than half a count from the count's own
// angle, so the count is not in doubt, in any form a float text may take.
std::string HandTypedAngle(Rng& rng, int sensor, int count, const std::string& separator) {
    const int hundredths = sensor * 100 - count * 140 + Uniform(rng, -60, 60);
    const int magnitude = std::abs(hundredths);
    std::string digits;
    switch (Uniform(rng, 0, 2)) {
        case 0: {  // "15,3", "7"
            digits = std::to_string(magnitude / 100);
            std::string fraction = std::to_string(100 + magnitude % 100).substr(1);
            while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
            if (!fraction.empty()) digits += separator + fraction;
            break;
        }
        case 1:  // "15,30", "7,00"
            digits = std::to_string(magnitude / 100) + separator +
                     std::to_string(100 + magnitude % 100).substr(1);
            break;
        default:  // "1530e-2"
            digits = std::to_string(magnitude) + (Chance(rng, 0.5) ? "e-2" : "E-2");
    }
    const std::string sign = hundredths < 0 ? "-" : Chance(rng, 0.3) ? "+" : "";
    return (Chance(rng, 0.2) ? "  " : "") + sign + digits + (Chance(rng, 0.2) ? " " : "");
}

EncodeCase DrawCase(Rng& rng) {
    EncodeCase c;
    c.sensor = Uniform(rng, -99, 99);
    c.separator = Chance(rng, 0.5) ? "," : ".";
    c.high = Uniform(rng, 0, 15);
    c.low = Uniform(rng, 0, 255);
    c.counts = RandomCounts(rng);
    for (std::size_t i = 0; i < c.counts.size(); ++i) {
        c.angles[i] = Chance(rng, 0.2) ? HandTypedAngle(rng, c.sensor, c.counts[i], c.separator)
                                       : CountToAngle(c.counts[i], c.sensor, c.separator);
    }
    // After the address loads the input may hold the old routine, other code
    // or nothing; the encoder replaces all of it.
    std::string tail;
    switch (Uniform(rng, 0, 2)) {
        case 0:
            tail = TableStoresSource(RandomCounts(rng));
            break;
        case 1:
            tail = RandomCode(rng, Uniform(rng, 1, 20));
            break;
        default:
            break;
    }
    c.pasted.routineSource = AddressLoadsSource(c.high, c.low) + tail;
    DrawBefore(rng, c.pasted);
    DrawAfter(rng, c.pasted);
    c.pasted.letterCase = DrawLetterCase(rng);
    return c;
}

std::string Described(std::size_t index, const EncodeCase& c) {
    std::ostringstream text;
    text << "case " << index << ", sensor " << c.sensor << ", separator '" << c.separator
         << "', angles";
    for (const std::string& angle : c.angles) text << " \"" << angle << "\"";
    text << ", input \"" << Escaped(c.pasted.text) << "\"";
    return text.str();
}

std::vector<std::string> ExpectedRoutine(const EncodeCase& c) {
    std::vector<std::string> routine = {"ldi r27, " + std::to_string(c.high),
                                        "ldi r26, " + std::to_string(c.low)};
    for (std::size_t i = 0; i < c.counts.size(); ++i) {
        routine.push_back("ldi r16, " + std::to_string(c.counts[i]));
        // The last store leaves X on the last entry.
        routine.push_back(i + 1 < c.counts.size() ? "st X+, r16" : "st X, r16");
    }
    routine.push_back("ret");
    return routine;
}

std::vector<std::string> DisassembledRoutine(const std::map<std::size_t, Instruction>& code,
                                             std::size_t begin) {
    std::vector<std::string> routine;
    for (std::size_t address = begin; address < begin + kRoutineBytes;) {
        const auto found = code.find(address);
        if (found == code.end() || found->second.size == 0) {
            routine.push_back("no instruction at " + std::to_string(address - begin));
            break;
        }
        routine.push_back(Normalized(found->second));
        address += found->second.size;
    }
    return routine;
}

std::vector<std::string> DecColumn(const TAdvanceTable& table) {
    std::vector<std::string> column;
    for (int row = 1; row <= kEntryCount; ++row) column.push_back(table.Cell(tcDec, row));
    return column;
}

std::vector<std::string> DecTexts(const Counts& counts) {
    std::vector<std::string> texts;
    for (int count : counts) texts.push_back(std::to_string(count));
    return texts;
}

TEST(EncodeOracle, WritesTheRoutineTheDisassemblerReadsBack) {
    const std::uint32_t seed = OracleSeed();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    Rng rng(seed);

    std::vector<EncodeCase> cases;
    for (int i = 0; i < kCaseCount; ++i) cases.push_back(DrawCase(rng));
    cases[0].pasted.textBefore.clear();
    cases[0].pasted.codeBefore.clear();
    cases[1].pasted.letterCase = LetterCase::Lower;

    ScratchDir dir;
    std::vector<PastedCase*> pasted;
    for (EncodeCase& c : cases) pasted.push_back(&c.pasted);
    AssembleAndPaste(dir, pasted, rng);

    // Encode every case; the routines that are whole words of hex go to the
    // disassembler in one file.
    std::vector<std::uint8_t> routines;
    std::vector<std::optional<std::size_t>> routineAt(cases.size());
    int failedCases = 0;
    for (std::size_t i = 0; i < cases.size() && failedCases < 5; ++i) {
        const EncodeCase& c = cases[i];
        SCOPED_TRACE(Described(i, c));
        TAdvanceTable table;
        for (int row = 1; row <= kEntryCount; ++row)
            table.SetCell(tcAdvance, row, c.angles[row - 1]);
        RecordingSink sink;
        const EncodeResult result =
            EncodeFragment(table, std::to_string(c.sensor), c.pasted.text, c.separator, sink);

        // Everything up to the table address goes back into the firmware byte for byte.
        const std::size_t kept = c.pasted.routineAt + kAddressCharacters;
        const std::string carried = c.pasted.text.substr(0, kept);
        const std::string fragment = result.fragment;
        const std::string generated = fragment.size() > kept ? fragment.substr(kept) : "";
        const bool upperCase = generated.find_first_not_of("0123456789ABCDEF") == std::string::npos;
        const auto bytes =
            BytesOfListing(fragment.substr(std::min(c.pasted.routineAt, fragment.size())));
        if (result.outcome.IsDone() && fragment.rfind(carried, 0) == 0 &&
            fragment.size() == c.pasted.routineAt + kRoutineCharacters && upperCase && bytes &&
            DecColumn(table) == DecTexts(c.counts)) {
            routineAt[i] = routines.size();
            routines.insert(routines.end(), bytes->begin(), bytes->end());
            continue;
        }
        ++failedCases;
        EXPECT_TRUE(result.outcome.IsDone()) << result.outcome.message;
        EXPECT_EQ(fragment.substr(0, kept), carried);
        EXPECT_EQ(fragment.size(), c.pasted.routineAt + kRoutineCharacters);
        EXPECT_TRUE(upperCase) << "written words: " << Escaped(generated);
        EXPECT_TRUE(bytes.has_value()) << "not whole words of hex: " << Escaped(fragment);
        EXPECT_EQ(DecColumn(table), DecTexts(c.counts));
    }

    std::map<std::size_t, Instruction> code;
    for (const Instruction& instruction : Disassemble(dir, routines)) {
        code[instruction.address] = instruction;
    }
    for (std::size_t i = 0; i < cases.size() && failedCases < 5; ++i) {
        if (!routineAt[i]) continue;
        SCOPED_TRACE(Described(i, cases[i]));
        const std::vector<std::string> expected = ExpectedRoutine(cases[i]);
        const std::vector<std::string> actual = DisassembledRoutine(code, *routineAt[i]);
        if (actual == expected) continue;
        ++failedCases;
        EXPECT_EQ(actual, expected);
    }
}

}  // namespace
}  // namespace vortalin::oracle
