#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/AdvanceConversion.h"

namespace vortalin {

// Readable failures: "Warning: Введите данные!" rather than bytes.
inline void PrintTo(const Outcome& outcome, std::ostream* out) {
    static const char* kinds[] = {"Done", "Warning", "ConversionError"};
    *out << kinds[static_cast<int>(outcome.kind)] << ": " << outcome.message;
}

}  // namespace vortalin

namespace vortalin::testing {

// Keeps the points a conversion draws, as the chart would.
class VectorSink : public CurveSink {
  public:
    void Clear() override {
        points.clear();
        ++clears;
    }
    void Append(const TCurvePoint& point) override { points.push_back(point); }

    std::vector<TCurvePoint> points;
    int clears = 0;
};

// A routine as the firmware holds it: address loads, 32 load/store pairs, RET.
inline std::string Routine(const std::vector<int>& counts, char addressDigit = '1',
                           const std::string& lowAddressWord = "E6A0") {
    static const char* digits = "0123456789ABCDEF";
    std::string text = std::string("E0B") + addressDigit + lowAddressWord;
    for (std::size_t i = 0; i < 32; ++i) {
        const int count = counts.at(i);
        text += 'E';
        text += digits[count / 16];
        text += '0';
        text += digits[count % 16];
        text += i < 31 ? "930D" : "930C";
    }
    return text + "9508";
}

inline std::vector<int> CountsFrom(int first) {
    std::vector<int> counts;
    for (int i = 0; i < 32; ++i) counts.push_back((first + i) % 256);
    return counts;
}

inline std::vector<std::string> Column(const TAdvanceTable& table, int column) {
    std::vector<std::string> texts;
    for (int row = 1; row < kRowCount; ++row) texts.push_back(table.Cell(column, row));
    return texts;
}

}  // namespace vortalin::testing
