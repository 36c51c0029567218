#pragma once

#include <QChartView>
#include <QPoint>

class QRubberBand;

namespace vortalin {

// The chart's mouse: a left drag right and down zooms to the rectangle drawn,
// a left drag up and left asks for the full view again, a right drag scrolls.
class AdvanceChartView : public QChartView {
    Q_OBJECT
  public:
    explicit AdvanceChartView(QChart* chart, QWidget* parent = nullptr);

  Q_SIGNALS:
    void fullViewRequested();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRubberBand* rubberBand_;
    QPoint zoomOrigin_;
    QPoint scrollLast_;
    Qt::MouseButton dragButton_ = Qt::NoButton;
};

}  // namespace vortalin
