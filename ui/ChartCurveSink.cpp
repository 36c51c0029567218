#include "ui/ChartCurveSink.h"

#include <QColor>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace vortalin {

namespace {

QColor ToColor(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

// Widens [low, high] on both sides by 4% of its span: a marker's radius on
// any plot more than 81 pixels across (3 px of 108% of the span); nice numbers
// then only widen it further. A single value gets a span of its own.
void FitAxis(QValueAxis* axis, double low, double high) {
    const double span = high - low;
    const double margin = span > 0 ? span * 0.04 : std::max(1.0, std::abs(low) * 0.1);
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
}

}  // namespace

ChartCurveSink::ChartCurveSink(QLineSeries* steps, QScatterSeries* markers, QValueAxis* axisX,
                               QValueAxis* axisY)
    : steps_(steps), markers_(markers), axisX_(axisX), axisY_(axisY) {
    markers_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    markers_->setMarkerSize(2 * kMarkerRadius + 1);
}

void ChartCurveSink::Clear() {
    points_.clear();
    if (openBatches_ == 0) Show();
}

void ChartCurveSink::Append(const TCurvePoint& point) {
    points_.push_back(point);
    if (openBatches_ == 0) Show();
}

void ChartCurveSink::Show() {
    QList<QPointF> steps;
    QList<QPointF> markers;
    for (const TCurvePoint& point : points_) {
        if (!markers.isEmpty()) steps.append({point.x, markers.constLast().y()});
        steps.append({point.x, point.y});
        markers.append({point.x, point.y});
    }
    steps_->replace(steps);
    markers_->replace(markers);
    for (qsizetype i = 0; i < markers.size(); ++i) {
        const QColor colour = ToColor(points_[static_cast<std::size_t>(i)].colour);
        if (colour != markers_->color())
            markers_->setPointConfiguration(i, QXYSeries::PointConfiguration::Color, colour);
    }
    FitAxes();
}

void ChartCurveSink::FitAxes() {
    const QList<QPointF> points = markers_->points();
    if (points.isEmpty()) return;
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [bottom, top] = std::minmax_element(
        points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    FitAxis(axisX_, left->x(), right->x());
    FitAxis(axisY_, bottom->y(), top->y());
}

}  // namespace vortalin
