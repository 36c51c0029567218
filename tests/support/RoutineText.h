#pragma once

// A routine as the firmware holds it, for tests and benchmarks to feed the
// program: LDI r27 / LDI r26 with the table address, 32 x (LDI r16,K ; ST X+,r16)
// with the last store ST X,r16, then RET.

#include <string>
#include <string_view>
#include <vector>

namespace vortalin::testing {

inline std::string Routine(const std::vector<int>& counts, char addressDigit = '1',
                           std::string_view lowAddressWord = "E6A0") {
    static const char* digits = "0123456789ABCDEF";
    std::string text = std::string("E0B") + addressDigit + std::string(lowAddressWord);
    for (std::size_t i = 0; i < 32; ++i) {
        const int count = counts.at(i);
        text += {'E', digits[count / 16], '0', digits[count % 16]};
        text += i < 31 ? "930D" : "930C";
    }
    return text + "9508";
}

}  // namespace vortalin::testing
