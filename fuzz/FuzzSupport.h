#pragma once

// Shared by the fuzz targets: a hard check that aborts (libFuzzer then keeps
// the input as a crash), a strict UTF-8 check, and the way an input is split
// into the texts a target needs.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/AdvanceConversion.h"

namespace vortalin::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail: '%.*s'\n", static_cast<int>(detail.size()), detail.data());
    }
    std::abort();
}

inline void Require(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) Fail(what, detail);
}

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above
// U+10FFFF. Written apart from the core's own reader so the two can disagree.
inline bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char lead = byte(i);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) return false;
            code = code << 6 | (byte(i + k) & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

// Cells an operation wrote must be valid text whatever it was given; cells it
// did not touch may still hold whatever the fuzzer put there.
inline void RequireWrittenCellsValid(const TAdvanceTable& before, const TAdvanceTable& after) {
    for (int column = 0; column < kColumnCount; ++column) {
        for (int row = 0; row < kRowCount; ++row) {
            const std::string& cell = after.Cell(column, row);
            if (cell != before.Cell(column, row)) {
                Require(IsValidUtf8(cell), "a written cell holds invalid UTF-8", cell);
            }
        }
    }
}

// Keeps the points as the chart would and refuses more than the curve has.
class CountingSink : public CurveSink {
  public:
    void Clear() override { points.clear(); }
    void Append(const TCurvePoint& point) override {
        points.push_back(point);
        Require(points.size() <= kCurvePointCount, "the curve got more than 25 points");
    }
    std::vector<TCurvePoint> points;
};

// Inputs hold several texts separated by the byte 0x1F (unit separator),
// which keeps seed files readable and lets every text hold line breaks.
inline constexpr char kFieldSeparator = '\x1F';

inline std::vector<std::string_view> Fields(const std::uint8_t* data, std::size_t size,
                                            std::size_t maxFields) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < maxFields) {
        const auto at = rest.find(kFieldSeparator);
        if (at == std::string_view::npos) break;
        fields.push_back(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    fields.push_back(rest);
    return fields;
}

// The decimal separators a user's locale gives: comma, point, and the
// two-byte Arabic one, which exercises separators longer than a byte.
inline constexpr std::string_view kSeparators[] = {",", ".", "\xD9\xAB"};

}  // namespace vortalin::fuzz
