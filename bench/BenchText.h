#pragma once

// Texts the benchmarks convert: a routine as the firmware holds it, and a
// large listing with that routine at its very end.

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "RoutineText.h"

namespace vortalin::bench {

inline std::string Routine(int firstCount = 10) {
    std::vector<int> counts;
    for (int i = 0; i < 32; ++i) counts.push_back((firstCount + 3 * i) % 256);
    return testing::Routine(counts);
}

// `size` bytes of hex-dump lines free of "E0B", then the routine. The dump
// keeps "E0" common, so a marker search that backs up on partial matches
// would show it.
inline std::string HugeListing(std::size_t size) {
    std::mt19937 random(7);
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    text.reserve(size + 300);
    while (text.size() < size) {
        text += ":10";
        for (int i = 0; i < 32; ++i) {
            char digit = digits[random() % 16];
            if (random() % 4 == 0) digit = "E0"[i % 2];
            if (digit == 'B' && text.ends_with("E0")) digit = 'A';
            text += digit;
        }
        text += "\r\n";
    }
    return text + Routine();
}

}  // namespace vortalin::bench
