#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "RoutineText.h"
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
