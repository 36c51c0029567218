#include "ui/AdvanceChartView.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace vortalin {

AdvanceChartView::AdvanceChartView(QChart* chart, QWidget* parent)
    : QChartView(chart, parent), rubberBand_(new QRubberBand(QRubberBand::Rectangle, viewport())) {
    // The gestures are this view's own; the built-in rubber band would zoom
    // on every left drag and zoom out on a right click.
    setRubberBand(QChartView::NoRubberBand);
}

void AdvanceChartView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        dragButton_ = Qt::LeftButton;
        zoomOrigin_ = at;
        rubberBand_->setGeometry(QRect(at, QSize()));
        rubberBand_->show();
    } else if (event->button() == Qt::RightButton) {
        dragButton_ = Qt::RightButton;
        scrollLast_ = at;
    }
    event->accept();
}

void AdvanceChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragButton_ == Qt::LeftButton) {
        rubberBand_->setGeometry(QRect(zoomOrigin_, at).normalized());
    } else if (dragButton_ == Qt::RightButton) {
        // The plot follows the mouse, so it scrolls against the drag.
        const QPoint moved = at - scrollLast_;
        chart()->scroll(-moved.x(), moved.y());
        scrollLast_ = at;
    }
    event->accept();
}

void AdvanceChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragButton_ == Qt::LeftButton) {
        rubberBand_->hide();
        const QPoint end = event->position().toPoint();
        if (end.x() > zoomOrigin_.x() && end.y() > zoomOrigin_.y()) {
            const QRectF inScene = mapToScene(QRect(zoomOrigin_, end)).boundingRect();
            chart()->zoomIn(chart()->mapFromScene(inScene).boundingRect());
        } else if (end.x() < zoomOrigin_.x() && end.y() < zoomOrigin_.y()) {
            Q_EMIT fullViewRequested();
        }
    }
    if (event->button() == dragButton_) dragButton_ = Qt::NoButton;
    event->accept();
}

}  // namespace vortalin
