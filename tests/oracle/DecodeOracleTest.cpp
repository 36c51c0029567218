// The decoder against the AVR assembler: routines that avr-as wrote from known
// counts must read back as exactly those counts.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "AvrTools.h"
#include "CaseText.h"
#include "PastedListing.h"
#include "RandomAvr.h"
#include "RecordingSink.h"
#include "core/AdvanceConversion.h"

namespace vortalin::oracle {
namespace {

constexpr int kCaseCount = 400;

struct DecodeCase {
    int sensor = 0;
    std::string separator;
    int high = 0;  // the table address
    int low = 0;
    Counts counts{};
    PastedCase pasted;
};

DecodeCase DrawCase(Rng& rng) {
    DecodeCase c;
    c.sensor = Uniform(rng, -99, 99);
    c.separator = Chance(rng, 0.5) ? "," : ".";
    // The marker "E0B" is the load of the high byte 0..15 into r27.
    c.high = Uniform(rng, 0, 15);
    c.low = Uniform(rng, 0, 255);
    c.counts = RandomCounts(rng);
    c.pasted.routineSource = AddressLoadsSource(c.high, c.low) + TableStoresSource(c.counts);
    DrawBefore(rng, c.pasted);
    DrawAfter(rng, c.pasted);
    c.pasted.letterCase = DrawLetterCase(rng);
    return c;
}

std::string Described(std::size_t index, const DecodeCase& c) {
    std::ostringstream text;
    text << "case " << index << ", sensor " << c.sensor << ", separator '" << c.separator
         << "', listing \"" << Escaped(c.pasted.text) << "\"";
    return text.str();
}

struct Columns {
    std::vector<std::string> word, hex, dec, advance;
    bool operator==(const Columns&) const = default;
};

Columns Expected(const DecodeCase& c) {
    Columns expected;
    for (std::size_t i = 0; i < c.counts.size(); ++i) {
        const std::string word = c.pasted.routine.substr(8 * (i + 1), 4);
        expected.word.push_back(word);
        expected.hex.push_back({word[1], word[3]});
        expected.dec.push_back(std::to_string(c.counts[i]));
        expected.advance.push_back(CountToAngle(c.counts[i], c.sensor, c.separator));
    }
    return expected;
}

Columns Actual(const TAdvanceTable& table) {
    Columns actual;
    for (int row = 1; row <= kEntryCount; ++row) {
        actual.word.push_back(table.Cell(tcWord, row));
        actual.hex.push_back(table.Cell(tcHex, row));
        actual.dec.push_back(table.Cell(tcDec, row));
        actual.advance.push_back(table.Cell(tcAdvance, row));
    }
    return actual;
}

TEST(DecodeOracle, ReadsTheCountsTheAssemblerWrote) {
    const std::uint32_t seed = OracleSeed();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    Rng rng(seed);

    std::vector<DecodeCase> cases;
    for (int i = 0; i < kCaseCount; ++i) cases.push_back(DrawCase(rng));
    // Whatever the draw, the routine at the very start of the text and the
    // lower-case digits some tools write are among the cases.
    cases[0].pasted.textBefore.clear();
    cases[0].pasted.codeBefore.clear();
    cases[1].pasted.letterCase = LetterCase::Lower;
    cases[2].pasted.letterCase = LetterCase::Mixed;

    ScratchDir dir;
    std::vector<PastedCase*> pasted;
    for (DecodeCase& c : cases) pasted.push_back(&c.pasted);
    AssembleAndPaste(dir, pasted, rng);

    int failedCases = 0;
    for (std::size_t i = 0; i < cases.size() && failedCases < 5; ++i) {
        const DecodeCase& c = cases[i];
        SCOPED_TRACE(Described(i, c));
        TAdvanceTable table;
        RecordingSink sink;
        const Outcome outcome =
            DecodeFragment(table, c.pasted.text, std::to_string(c.sensor), c.separator, sink);

        const std::string header = "таб." + c.pasted.routine.substr(3, 1);
        const Columns expected = Expected(c);
        const Columns actual = Actual(table);
        if (outcome.IsDone() && table.Cell(tcWord, 0) == header && actual == expected) continue;
        ++failedCases;
        EXPECT_TRUE(outcome.IsDone()) << outcome.message;
        EXPECT_EQ(table.Cell(tcWord, 0), header);
        EXPECT_EQ(actual.dec, expected.dec);
        EXPECT_EQ(actual.hex, expected.hex);
        EXPECT_EQ(actual.word, expected.word);
        EXPECT_EQ(actual.advance, expected.advance);
    }
}

}  // namespace
}  // namespace vortalin::oracle
