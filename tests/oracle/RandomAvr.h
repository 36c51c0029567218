#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace vortalin::oracle {

using Rng = std::mt19937;

// Fixed so that a failure repeats; the environment variable
// VORTALIN_ORACLE_SEED runs the same checks on other draws.
std::uint32_t OracleSeed();

int Uniform(Rng& rng, int low, int high);  // both ends included
bool Chance(Rng& rng, double probability);

// Lines of AVR assembly that the assembler resolves on its own: no branch to
// a label, whose offset would be left to the linker.
std::string RandomCode(Rng& rng, int instructionCount);

// What a user may paste around a listing: notes in Latin and Cyrillic, line
// breaks, stray hex digits of either case, a byte that is not UTF-8.
std::string RandomText(Rng& rng);

using Counts = std::array<int, 32>;
Counts RandomCounts(Rng& rng);

// The start of the firmware's table routine: X = table address.
std::string AddressLoadsSource(int high, int low);
// The rest: 32 loads of r16, each stored through X (post-increment but the
// last), then return.
std::string TableStoresSource(const Counts& counts);

// Some tools write the digits of a listing in lower case, or mix both.
enum class LetterCase { Upper, Lower, Mixed };
LetterCase DrawLetterCase(Rng& rng);
std::string WithLetterCase(std::string listing, LetterCase letterCase, Rng& rng);

}  // namespace vortalin::oracle
