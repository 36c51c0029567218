#pragma once

#include <QtGlobal>

#include "core/AdvanceCurve.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace vortalin {

// The advance curve onto the chart: a stairs line (Qt Charts has no stairs
// mode, so each point is reached by a horizontal step to its x, then a
// vertical one) and circle markers on a second series. The markers hold the
// points; the axes fit them after every change.
class ChartCurveSink final : public CurveSink {
  public:
    static constexpr double kMarkerRadius = 3;  // pixels

    ChartCurveSink(QLineSeries* steps, QScatterSeries* markers, QValueAxis* axisX,
                   QValueAxis* axisY);

    void Clear() override;
    void Append(const TCurvePoint& point) override;

    // The full view: both axes fitted to the points, widened so that the
    // markers at the edges are whole.
    void FitAxes();

  private:
    QLineSeries* steps_;
    QScatterSeries* markers_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
};

}  // namespace vortalin
