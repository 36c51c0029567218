#include "core/Extended.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace vortalin::detail {
namespace {

// A 128-bit unsigned value as two words; the standard library has no portable
// 128-bit integer, and the compilers' own extensions are not everywhere.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

Wide ShiftRightSticky(Wide value, std::uint64_t count) {
    if (count == 0) return value;
    const bool anyBits = value.high != 0 || value.low != 0;
    if (count >= 128) return {0, anyBits ? 1u : 0u};
    std::uint64_t lost = 0;
    if (count >= 64) {
        lost = value.low | (count > 64 ? (value.high << (128 - count)) : 0);
        value = {0, value.high >> (count - 64)};
    } else {
        lost = value.low << (64 - count);
        value = {value.high >> count, (value.low >> count) | (value.high << (64 - count))};
    }
    // Bits shifted out only matter as "something was there" below the round bit.
    if (lost != 0) value.low |= 1;
    return value;
}

Wide ShiftLeft(Wide value, int count) {
    if (count == 0) return value;
    if (count >= 64) return {value.low << (count - 64), 0};
    return {(value.high << count) | (value.low >> (64 - count)), value.low << count};
}

int CountLeadingZeros(Wide value) {
    return value.high != 0 ? std::countl_zero(value.high) : 64 + std::countl_zero(value.low);
}

// Rounds a normalised 128-bit magnitude (top bit set), worth value * 2^(exponent - 64),
// to a 64-bit significand.
Extended RoundToExtended(bool negative, Wide value, std::int64_t exponent) {
    std::uint64_t significand = value.high;
    const bool roundBit = (value.low >> 63) != 0;
    const bool stickyBits = (value.low << 1) != 0;
    if (roundBit && (stickyBits || (significand & 1) != 0)) {
        ++significand;
        if (significand == 0) {  // carried out of the top bit
            significand = std::uint64_t{1} << 63;
            ++exponent;
        }
    }
    return {negative, significand, exponent};
}

Extended Normalised(bool negative, std::uint64_t magnitude, std::int64_t exponent) {
    if (magnitude == 0) return {};
    const int shift = std::countl_zero(magnitude);
    return {negative, magnitude << shift, exponent - shift};
}

bool MagnitudeLess(const Extended& a, const Extended& b) {
    if (a.IsZero() || b.IsZero()) return a.IsZero() && !b.IsZero();
    if (a.exponent != b.exponent) return a.exponent < b.exponent;
    return a.significand < b.significand;
}

Extended AddRounded(Extended a, Extended b) {
    if (b.IsZero()) return a;
    if (a.IsZero()) return b;
    if (MagnitudeLess(a, b)) std::swap(a, b);
    const Wide larger{a.significand, 0};
    const Wide smaller =
        ShiftRightSticky({b.significand, 0}, static_cast<std::uint64_t>(a.exponent - b.exponent));
    std::int64_t exponent = a.exponent;
    Wide sum;
    if (a.negative == b.negative) {
        sum.low = larger.low + smaller.low;
        const std::uint64_t carryLow = sum.low < larger.low ? 1 : 0;
        sum.high = larger.high + smaller.high + carryLow;
        if (sum.high < larger.high || (carryLow && sum.high == larger.high)) {
            sum = ShiftRightSticky(sum, 1);
            sum.high |= std::uint64_t{1} << 63;
            ++exponent;
        }
    } else {
        sum.low = larger.low - smaller.low;
        const std::uint64_t borrow = larger.low < smaller.low ? 1 : 0;
        sum.high = larger.high - smaller.high - borrow;
        if (sum.high == 0 && sum.low == 0) return {};  // exact cancellation gives +0
        const int shift = CountLeadingZeros(sum);
        sum = ShiftLeft(sum, shift);
        exponent -= shift;
    }
    return RoundToExtended(a.negative, sum, exponent);
}

}  // namespace

Extended Extended::FromInt(std::int64_t value) {
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    return Normalised(negative, magnitude, 0);
}

Extended Extended::FromDouble(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const auto biased = static_cast<std::int64_t>((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0) return Normalised(negative, fraction, -1074);  // zero or subnormal
    fraction |= std::uint64_t{1} << 52;
    return Normalised(negative, fraction, biased - 1075);
}

double Extended::ToDouble() const {
    if (IsZero()) return negative ? -0.0 : 0.0;
    // Keep 53 bits, or fewer where the value falls below the normal doubles,
    // so that the one rounding lands on the nearest representable double.
    const std::int64_t leadingBit = exponent + 63;
    std::int64_t dropped = 11;
    if (leadingBit < -1022) dropped = -1074 - exponent;
    if (dropped > 64) return negative ? -0.0 : 0.0;  // below half the least subnormal
    std::uint64_t kept = dropped == 64 ? 0 : significand >> dropped;
    const std::uint64_t rest = dropped == 0 ? 0 : significand << (64 - dropped);
    const bool roundBit = (rest >> 63) != 0;
    const bool stickyBits = (rest << 1) != 0;
    if (roundBit && (stickyBits || (kept & 1) != 0)) ++kept;
    // kept has at most 54 bits, so it converts exactly and ldexp only scales it.
    const auto scale = static_cast<int>(std::clamp<std::int64_t>(exponent + dropped, -4096, 4096));
    const double magnitude = std::ldexp(static_cast<double>(kept), scale);
    return negative ? -magnitude : magnitude;
}

Extended Subtract(const Extended& a, const Extended& b) {
    Extended negated = b;
    negated.negative = !b.negative;
    return AddRounded(a, negated);
}

Extended Divide(const Extended& a, const Extended& b) {
    if (a.IsZero()) return {a.negative != b.negative, 0, 0};
    // Long division of the significands, one quotient bit at a time: enough
    // numerator bits for a 64-bit quotient, one more for the round bit, and
    // the remainder as the sticky bit.
    const int shift = a.significand >= b.significand ? 63 : 64;
    std::uint64_t remainder = 0;
    std::uint64_t quotient = 0;
    bool roundBit = false;
    const int steps = 64 + shift + 1;
    for (int step = 0; step < steps; ++step) {
        const std::uint64_t numeratorBit = step < 64 ? (a.significand >> (63 - step)) & 1 : 0;
        const bool overflow = (remainder >> 63) != 0;
        remainder = (remainder << 1) | numeratorBit;
        const bool bit = overflow || remainder >= b.significand;
        if (bit) remainder -= b.significand;
        if (step == steps - 1) {
            roundBit = bit;
        } else {
            quotient = (quotient << 1) | (bit ? 1 : 0);
        }
    }
    std::int64_t exponent = a.exponent - b.exponent - shift;
    if (roundBit && (remainder != 0 || (quotient & 1) != 0)) {
        ++quotient;
        if (quotient == 0) {
            quotient = std::uint64_t{1} << 63;
            ++exponent;
        }
    }
    return {a.negative != b.negative, quotient, exponent};
}

}  // namespace vortalin::detail
