#pragma once

#include <vector>

#include "core/AdvanceCurve.h"

namespace vortalin::oracle {

// Stands in for the chart: keeps the points and counts the clearings.
class RecordingSink : public CurveSink {
  public:
    void Clear() override {
        ++clears;
        points.clear();
    }
    void Append(const TCurvePoint& point) override { points.push_back(point); }

    int clears = 0;
    std::vector<TCurvePoint> points;
};

}  // namespace vortalin::oracle
