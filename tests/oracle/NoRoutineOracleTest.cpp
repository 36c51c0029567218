// Real code without the table routine: both conversions must refuse it with
// the no-marker warning and leave the table and the curve alone.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AvrTools.h"
#include "CaseText.h"
#include "Listing.h"
#include "RandomAvr.h"
#include "RecordingSink.h"
#include "core/AdvanceConversion.h"

namespace vortalin::oracle {
namespace {

constexpr int kCaseCount = 60;

struct NoRoutineCase {
    std::string text;
    std::string code;  // assembly source
    LetterCase letterCase = LetterCase::Upper;
    std::string listing;
};

// Odd cases carry a whole table routine written in lower case: the marker is
// matched case-sensitively, so "e0b" does not start a table.
void Draw(Rng& rng, std::size_t index, NoRoutineCase& c) {
    c.text = Chance(rng, 0.5) ? RandomText(rng) : "";
    c.code = RandomCode(rng, Uniform(rng, 1, 20));
    c.letterCase = DrawLetterCase(rng);
    if (index % 2 == 1) {
        c.code += AddressLoadsSource(Uniform(rng, 0, 15), Uniform(rng, 0, 255)) +
                  TableStoresSource(RandomCounts(rng));
        c.letterCase = LetterCase::Lower;
    }
}

std::string Label(std::size_t index, const char* part) {
    return "c" + std::to_string(index) + "_" + part;
}

// Assembles all cases at once; a case whose listing happens to hold "E0B" is
// drawn anew until none does.
void AssembleWithoutMarker(const ScratchDir& dir, std::vector<NoRoutineCase>& cases, Rng& rng) {
    for (int round = 0; round < 100; ++round) {
        std::string source;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            source += Label(i, "begin") + ":\n" + cases[i].code + Label(i, "end") + ":\n";
        }
        const Assembly assembly = Assemble(dir, source);
        bool redrawn = false;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            NoRoutineCase& c = cases[i];
            c.listing =
                c.text +
                WithLetterCase(ListingOfBytes(assembly.bytes, assembly.labels.at(Label(i, "begin")),
                                              assembly.labels.at(Label(i, "end"))),
                               c.letterCase, rng);
            if (c.listing.find("E0B") != std::string::npos) {
                Draw(rng, i, c);
                redrawn = true;
            }
        }
        if (!redrawn) return;
    }
    FAIL() << "listings kept holding the marker E0B";
}

TEST(NoRoutineOracle, CodeWithoutTheTableRoutineChangesNothing) {
    const std::uint32_t seed = OracleSeed();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    Rng rng(seed);

    std::vector<NoRoutineCase> cases(kCaseCount);
    for (std::size_t i = 0; i < cases.size(); ++i) Draw(rng, i, cases[i]);
    ScratchDir dir;
    ASSERT_NO_FATAL_FAILURE(AssembleWithoutMarker(dir, cases, rng));

    // A table as a previous decode and the user's edits left it.
    TAdvanceTable before;
    before.SetCell(tcWord, 0, "таб.1");
    for (int row = 1; row <= kEntryCount; ++row) {
        before.SetCell(tcWord, row, "E00C");
        before.SetCell(tcHex, row, "0C");
        before.SetCell(tcDec, row, "12");
        before.SetCell(tcAdvance, row, std::to_string(row));
    }
    const Outcome noMarker = Outcome::Warning(kNoMarkerWarning);

    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(::testing::Message()
                     << "case " << i << ", listing \"" << Escaped(cases[i].listing) << "\"");
        TAdvanceTable decoded = before;
        RecordingSink decodeSink;
        EXPECT_EQ(DecodeFragment(decoded, cases[i].listing, "20", ",", decodeSink), noMarker);
        EXPECT_EQ(decoded, before);
        EXPECT_EQ(decodeSink.clears, 0);

        TAdvanceTable encoded = before;
        RecordingSink encodeSink;
        const EncodeResult result =
            EncodeFragment(encoded, "20", cases[i].listing, ",", encodeSink);
        EXPECT_EQ(result.outcome, noMarker);
        EXPECT_EQ(result.fragment, "");
        EXPECT_EQ(encoded, before);
        EXPECT_EQ(encodeSink.clears, 0);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace vortalin::oracle
