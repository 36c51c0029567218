#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "AvrTools.h"
#include "RandomAvr.h"

namespace vortalin::oracle {

// A routine as the user pastes it: free text and other assembled code may
// come before and after it, and the digits may be of either case.
struct PastedCase {
    std::string textBefore;
    std::string codeBefore;     // assembly source
    std::string routineSource;  // starts with the load of the table address's high byte
    std::string codeAfter;
    std::string textAfter;
    LetterCase letterCase = LetterCase::Upper;

    // Filled by AssembleAndPaste.
    std::string text;           // the whole pasted listing
    std::size_t routineAt = 0;  // byte offset of the routine in `text`
    std::string routine;        // the routine's own listing, as it stands in `text`
};

void DrawBefore(Rng& rng, PastedCase& pasted);
void DrawAfter(Rng& rng, PastedCase& pasted);

// Assembles all cases with one run of the tool chain and pastes their
// listings. The routine is found by the first "E0B" anywhere in the text, so
// a case whose text before the routine holds one gets new text before it and
// everything is assembled again.
void AssembleAndPaste(const ScratchDir& dir, std::vector<PastedCase*> cases, Rng& rng);

}  // namespace vortalin::oracle
