#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

#include "UiTestMain.h"
#include "ui/AdvanceChartView.h"
#include "ui/ChartCurveSink.h"

using namespace vortalin;

namespace {

// A chart wired as the main window wires Chart1.
struct ChartFixture {
    QChart* chart = new QChart;
    QLineSeries* steps = new QLineSeries;
    QScatterSeries* markers = new QScatterSeries;
    QValueAxis* axisX = new QValueAxis;
    QValueAxis* axisY = new QValueAxis;
    AdvanceChartView view{chart};
    ChartCurveSink sink{steps, markers, axisX, axisY};

    ChartFixture() {
        chart->addSeries(steps);
        chart->addSeries(markers);
        chart->addAxis(axisX, Qt::AlignBottom);
        chart->addAxis(axisY, Qt::AlignLeft);
        for (QXYSeries* series : std::initializer_list<QXYSeries*>{steps, markers}) {
            series->attachAxis(axisX);
            series->attachAxis(axisY);
        }
        view.resize(441, 505);
    }
    void Append(double x, double y) { sink.Append({x, y}); }
    // Pixels of the plot per unit of an axis.
    double PixelsPerX() const { return chart->plotArea().width() / (axisX->max() - axisX->min()); }
    double PixelsPerY() const { return chart->plotArea().height() / (axisY->max() - axisY->min()); }
};

}  // namespace

class TestChartCurveSink : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void stepsGoAcrossThenUpOrDown() {
        ChartFixture f;
        f.Append(500, 4.6);
        f.Append(600, 6);
        f.Append(800, 3);
        const QList<QPointF> expected = {{500, 4.6}, {600, 4.6}, {600, 6}, {800, 6}, {800, 3}};
        QCOMPARE(f.steps->points(), expected);
        QCOMPARE(f.markers->points(), (QList<QPointF>{{500, 4.6}, {600, 6}, {800, 3}}));
    }

    void clearRemovesEveryPoint() {
        ChartFixture f;
        f.Append(500, 1);
        f.Append(600, 2);
        f.sink.Clear();
        QCOMPARE(f.steps->count(), 0);
        QCOMPARE(f.markers->count(), 0);
        f.Append(500, 7);
        QCOMPARE(f.steps->points(), (QList<QPointF>{{500, 7}}));
    }

    void axesHoldEveryMarkerWhole_data() {
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("advance curve") << QList<QPointF>{{500, 4.6}, {2800, 18.6}, {9000, 20}};
        QTest::newRow("flat curve") << QList<QPointF>{{500, 20}, {9000, 20}};
        QTest::newRow("one point at zero") << QList<QPointF>{{500, 0}};
        QTest::newRow("negative angles") << QList<QPointF>{{500, -337}, {600, -1}};
    }
    void axesHoldEveryMarkerWhole() {
        QFETCH(QList<QPointF>, points);
        ChartFixture f;
        f.view.show();
        for (QPointF p : points) f.Append(p.x(), p.y());
        QCoreApplication::processEvents();
        const double radius = ChartCurveSink::kMarkerRadius;
        for (QPointF p : points) {
            QVERIFY((p.x() - f.axisX->min()) * f.PixelsPerX() >= radius);
            QVERIFY((f.axisX->max() - p.x()) * f.PixelsPerX() >= radius);
            QVERIFY((p.y() - f.axisY->min()) * f.PixelsPerY() >= radius);
            QVERIFY((f.axisY->max() - p.y()) * f.PixelsPerY() >= radius);
        }
    }

    void pointColourOtherThanTheSeriesIsKept() {
        ChartFixture f;
        f.markers->setColor(Qt::red);
        f.sink.Append({500, 1, 0xFF0000});
        f.sink.Append({600, 2, 0x0000FF});
        QVERIFY(f.markers->pointConfiguration(0).isEmpty());
        QCOMPARE(f.markers->pointConfiguration(1).value(QXYSeries::PointConfiguration::Color),
                 QVariant(QColor(Qt::blue)));
    }

    void mouseZoomsRestoresAndScrolls() {
        ChartFixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.Append(500, 0);
        f.Append(9000, 40);
        QCoreApplication::processEvents();
        const QRectF plot = f.chart->plotArea();
        const double fullWidth = f.axisX->max() - f.axisX->min();
        QWidget* viewport = f.view.viewport();
        const QPoint from = plot.center().toPoint() - QPoint(40, 40);
        const QPoint to = plot.center().toPoint() + QPoint(40, 40);

        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        const double zoomedWidth = f.axisX->max() - f.axisX->min();
        QVERIFY2(zoomedWidth < fullWidth / 2, qPrintable(QString::number(zoomedWidth)));

        QSignalSpy fullView(&f.view, &AdvanceChartView::fullViewRequested);
        QTest::mousePress(viewport, Qt::LeftButton, {}, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, from);
        QCOMPARE(fullView.count(), 1);
        f.sink.FitAxes();
        QCOMPARE(f.axisX->max() - f.axisX->min(), fullWidth);

        // Dragging right with the right button brings lower speeds into view.
        const double minBefore = f.axisX->min();
        QTest::mousePress(viewport, Qt::RightButton, {}, from);
        QTest::mouseMove(viewport, from + QPoint(50, 0));
        QTest::mouseRelease(viewport, Qt::RightButton, {}, from + QPoint(50, 0));
        QVERIFY(f.axisX->min() < minBefore);
        QCOMPARE(f.axisX->max() - f.axisX->min(), fullWidth);
    }
};

VORTALIN_UI_TEST_MAIN(TestChartCurveSink)
#include "tst_ChartCurveSink.moc"
