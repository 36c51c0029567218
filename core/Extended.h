#pragma once

#include <cstdint>

namespace vortalin::detail {

// A binary floating-point value with a 64-bit significand and an unbounded
// exponent: (-1)^negative * significand * 2^exponent. The original program did
// its angle arithmetic in the x87's extended format; this type redoes that
// arithmetic with integers so the result does not depend on what
// `long double` means on the compiler at hand. Every operation rounds to 64
// significant bits, to nearest with ties to even, as the x87 does.
struct Extended {
    bool negative = false;
    std::uint64_t significand = 0;  // top bit set, or 0 for zero
    std::int64_t exponent = 0;

    bool IsZero() const { return significand == 0; }

    static Extended FromInt(std::int64_t value);
    static Extended FromDouble(double value);  // finite values only

    // The value rounded once to the nearest double, ties to even.
    double ToDouble() const;
};

Extended Subtract(const Extended& a, const Extended& b);
Extended Divide(const Extended& a, const Extended& b);  // b not zero

}  // namespace vortalin::detail
