#include "PastedListing.h"

#include <stdexcept>

#include "Listing.h"

namespace vortalin::oracle {
namespace {

std::string Label(std::size_t index, const char* part) {
    return "c" + std::to_string(index) + "_" + part;
}

std::string Source(const std::vector<PastedCase*>& cases) {
    std::string source;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        source += Label(i, "before") + ":\n" + cases[i]->codeBefore;
        source += Label(i, "routine") + ":\n" + cases[i]->routineSource;
        source += Label(i, "after") + ":\n" + cases[i]->codeAfter;
        source += Label(i, "end") + ":\n";
    }
    return source;
}

// Pastes one case; false when the routine would not be the first "E0B".
bool Paste(std::size_t index, const Assembly& assembly, PastedCase& pasted, Rng& rng) {
    const auto at = [&](const char* part) { return assembly.labels.at(Label(index, part)); };
    const auto listed = [&](const char* from, const char* to) {
        return ListingOfBytes(assembly.bytes, at(from), at(to));
    };

    const std::string routine = listed("routine", "after");
    if (routine.rfind("E0B", 0) != 0) {
        throw std::runtime_error("the assembled routine does not start with E0B: " + routine);
    }
    // The marker itself is matched case-sensitively, so it stays upper case.
    pasted.routine = "E0B" + WithLetterCase(routine.substr(3), pasted.letterCase, rng);
    const std::string before =
        pasted.textBefore + WithLetterCase(listed("before", "routine"), pasted.letterCase, rng);
    pasted.routineAt = before.size();
    pasted.text = before + pasted.routine +
                  WithLetterCase(listed("after", "end"), pasted.letterCase, rng) + pasted.textAfter;
    return pasted.text.find("E0B") == pasted.routineAt;
}

}  // namespace

void DrawBefore(Rng& rng, PastedCase& pasted) {
    const int kind = Uniform(rng, 0, 3);  // nothing, text, code, text and code
    pasted.textBefore = kind & 1 ? RandomText(rng) : "";
    pasted.codeBefore = kind & 2 ? RandomCode(rng, Uniform(rng, 1, 12)) : "";
}

void DrawAfter(Rng& rng, PastedCase& pasted) {
    const int kind = Uniform(rng, 0, 3);
    pasted.codeAfter = kind & 1 ? RandomCode(rng, Uniform(rng, 1, 12)) : "";
    pasted.textAfter = kind & 2 ? RandomText(rng) : "";
}

void AssembleAndPaste(const ScratchDir& dir, std::vector<PastedCase*> cases, Rng& rng) {
    for (int round = 0; round < 100; ++round) {
        const Assembly assembly = Assemble(dir, Source(cases));
        bool redrawn = false;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            if (!Paste(i, assembly, *cases[i], rng)) {
                DrawBefore(rng, *cases[i]);
                redrawn = true;
            }
        }
        if (!redrawn) return;
    }
    throw std::runtime_error("text before the routine kept holding the marker E0B");
}

}  // namespace vortalin::oracle
