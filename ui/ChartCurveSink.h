#pragma once

#include <QtGlobal>
#include <vector>

#include "core/AdvanceCurve.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace vortalin {

// The advance curve onto the chart: a stairs line (Qt Charts has no stairs
// mode, so each point is reached by a horizontal step to its x, then a
// vertical one) and circle markers on a second series. The axes fit the
// points after every change.
class ChartCurveSink final : public CurveSink {
  public:
    static constexpr double kMarkerRadius = 3;  // pixels

    // While a batch is open the chart is not touched; when it closes the
    // whole curve goes to the series at once and the axes fit once. Laying
    // the axes out again after each of 25 points made a click take ~100 ms.
    class Batch {
      public:
        explicit Batch(ChartCurveSink& sink) : sink_(sink) { ++sink_.openBatches_; }
        ~Batch() {
            if (--sink_.openBatches_ == 0) sink_.Show();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        ChartCurveSink& sink_;
    };

    ChartCurveSink(QLineSeries* steps, QScatterSeries* markers, QValueAxis* axisX,
                   QValueAxis* axisY);

    void Clear() override;
    void Append(const TCurvePoint& point) override;

    // The full view: both axes fitted to the points, widened so that the
    // markers at the edges are whole.
    void FitAxes();

  private:
    void Show();

    QLineSeries* steps_;
    QScatterSeries* markers_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    std::vector<TCurvePoint> points_;  // what the series show, or will at the batch's end
    int openBatches_ = 0;
};

}  // namespace vortalin
